# The locked program as another program of the session sees it; see lock.sh.
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
import poll  # noqa: E402
from poll import fail, wait_for  # noqa: E402

WORK = os.environ["QUORLANE_WORK"]
PASSWORD = "Qu1et-Harbour"
VALUES = ["kestrel"]  # every value of the entry holds this word
LOGIN = "Quorlane - Password REQUIRED"

# The text-changed events of the session, written to a file by a listener of their own.
LISTENER = r'''
import sys, pyatspi
out = open(sys.argv[1], "w", buffering=1)
def heard(event):
    role = event.source.getRoleName() if event.source is not None else ""
    out.write("%s\t%s\t%r\n" % (event.type, role, event.any_data))
pyatspi.Registry.registerEventListener(heard, "object:text-changed")
out.write("listening\n")
pyatspi.Registry.start()
'''


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quorlane":
            return app
    return None


def nodes(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def window(title):
    app = program()
    for i in range(app.childCount if app is not None else 0):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title:
            return w
    return None


def texts(node):
    """Every text the node gives away: name, description and its text."""
    said = [node.name or "", node.description or ""]
    try:
        text = node.queryText()
        said.append(text.getText(0, -1))
    except NotImplementedError:
        pass
    return said


def xwindow(title):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                         capture_output=True, text=True).stdout.split()
    return ids[0] if ids else None


def keys_to(title, *keys, typed=None):
    wid = wait_for("the X window " + title, lambda: xwindow(title))
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True, timeout=20)
    wait_for("the X window " + title + " to have the focus",
             lambda: subprocess.run(["xdotool", "getwindowfocus"], capture_output=True,
                                    text=True).stdout.strip() == wid)
    if typed is not None:
        subprocess.run(["xdotool", "type", "--delay", "40", typed], check=True, timeout=30)
    if keys:
        subprocess.run(["xdotool", "key", *keys], check=True, timeout=20)


def clipboard():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True)
    return done.stdout if done.returncode == 0 else ""


def dump():
    """What the program showed when a wait gave up."""
    for n in nodes(program()):
        print("  %s '%s'" % (n.getRoleName(), n.name))


poll.on_failure = dump
events_file = os.path.join(WORK, "events.txt")
listener = subprocess.Popen(["/usr/bin/python3", "-c", LISTENER, events_file])
log = open(os.path.join(WORK, "program.log"), "w")
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=os.path.join(WORK, "config"),
           XDG_DATA_HOME=os.path.join(WORK, "data"))
app = None
try:
    wait_for("the listener", lambda: os.path.exists(events_file) and "listening" in open(events_file).read())
    app = subprocess.Popen([os.path.join(WORK, "quorlane")], stdout=log, stderr=log, env=env)
    poll.watched = app

    # The login: each character typed goes on the bus as a '*' only.
    wait_for("the login window", lambda: window(LOGIN))
    keys_to(LOGIN, "Return", typed=PASSWORD)
    wait_for("the entry shown", lambda: any(n.name == "KESTREL MAIL" for n in nodes(window("Quorlane"))))
    heard = [line.split("\t") for line in open(events_file).read().splitlines()[1:]]
    typed = [e for e in heard if e[1] == "password text" and e[0].endswith("insert")]
    if len(typed) < len(PASSWORD):
        fail("only %d insert events of the password box were heard: %r" % (len(typed), heard))
    secret = set(PASSWORD)
    for event in heard:
        if event[1] == "password text" and secret & set(event[2].strip("'")):
            fail("a text-changed event carries a character of the password: %r" % (event,))
    print("PASS: the %d insert events of the password box carry no character of it" % len(typed))

    # Locked with Ctrl+L: nothing of the entry is left in the tree.
    keys_to("Quorlane", "ctrl+l")
    wait_for("the lock", lambda: any(n.name == "Quorlane is locked. Click here to unlock."
                                     for n in nodes(program())))
    left = [(n.getRoleName(), t) for n in nodes(program()) for t in texts(n)
            if any(v in t.lower() for v in VALUES)]
    if left:
        fail("the locked program still shows %r" % left)
    print("PASS: the locked program's accessibility tree holds none of the entry's values")

    # Its copy controls pressed through the bus copy nothing.
    copies = [n for n in nodes(program()) if n.name.startswith("Copy ")]
    if not copies:
        fail("no copy control in the tree")
    for control in copies:
        action = control.queryAction()
        for i in range(action.nActions):
            action.doAction(i)
    wait_for("the program to answer", lambda: program() is not None)
    if clipboard():
        fail("pressing a copy control of the locked program put %r on the clipboard" % clipboard())
    print("PASS: the %d copy controls pressed through AT-SPI leave the clipboard empty" % len(copies))
except SystemExit:
    log.flush()
    subprocess.run(["cat", os.path.join(WORK, "program.log")])
    raise
finally:
    if app is not None:
        app.kill()
        app.wait()
    listener.kill()
    listener.wait()
