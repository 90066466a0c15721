# Keyboard-only run of the program (started here, on the display and D-Bus session it is given);
# see keyboard.sh. Every step waits for what the person would see before typing on.
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
import poll  # noqa: E402
from poll import clipboard, fail, wait_for, wait_window  # noqa: E402
from tree import program, window  # noqa: E402

WORK = os.environ["QUORLANE_WORK"]
PASSWORD = "Pa55-word!"


def dump(node, depth):
    if node is None or depth > 12:
        return
    states = node.getState()
    if depth <= 1 or states.contains(pyatspi.STATE_SHOWING):
        focus = " *focused*" if states.contains(pyatspi.STATE_FOCUSED) else ""
        print("%s%s '%s'%s" % ("  " * depth, node.getRoleName(), node.name, focus))
        for i in range(node.childCount):
            dump(node.getChildAtIndex(i), depth + 1)


# What the program showed when a step failed.
poll.on_failure = lambda: dump(program(), 0)


def to_window(title):
    # Without a window manager nothing moves the keyboard focus between the program's windows:
    # give it to the window as a window manager would, and wait until the program has taken it in.
    ids = wait_window(title)
    now = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip()
    if now not in ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=True, timeout=60)
    wait_for("the window %s active" % title, lambda: window(title).getState().contains(pyatspi.STATE_ACTIVE))


def press(title, *keys):
    to_window(title)
    press_here(*keys)


def press_here(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True, timeout=20)


def type_text(title, text):
    to_window(title)
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=20)


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), test, depth + 1)
        if hit is not None:
            return hit
    return None


def named(name, role=None):
    return lambda n: n.name == name and (role is None or n.getRoleName() == role)


def focused(win):
    return find(win, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED) and n.getRoleName() != "list item")


def focus_on(title, name):
    """Tab through the window until the control called name has the focus."""
    win = wait_for("window " + title, lambda: window(title))
    to_window(title)
    for _ in range(40):
        now = wait_for("a focused control in " + title, lambda: focused(win))
        if now.name == name:
            return now
        press_here("Tab")
        wait_for("Tab to move the focus on from '%s'" % now.name, lambda: focused(win) != now)
    fail("Tab never reached '%s' in '%s'" % (name, title))


def shows(title, text, role="label"):
    return lambda: find(
        window(title),
        lambda n: n.name == text and n.getRoleName() == role and n.getState().contains(pyatspi.STATE_SHOWING),
    )


started = time.monotonic()
log = open(os.path.join(WORK, "program.log"), "w")
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=os.path.join(WORK, "config"))
app = subprocess.Popen([os.path.join(WORK, "quorlane")], stdout=log, stderr=log, env=env)
poll.watched = app
try:
    main = wait_for("the main window", lambda: window("Quorlane"))
    wait_for("the first entry shown", shows("Quorlane", "ALPHA"))

    # A new entry: Ctrl+N, a category picked by its first letter, the boxes filled in turn.
    press("Quorlane", "ctrl+n")
    wait_for("the entry editor", lambda: window("Add Entry"))
    focus_on("Add Entry", "Category")
    press("Add Entry", "w")
    wait_for("the web site titles", shows("Add Entry", "Password:"))
    focus_on("Add Entry", "Site")
    type_text("Add Entry", "Mail Box")
    focus_on("Add Entry", "Web Address")
    type_text("Add Entry", "www.example.org")
    focus_on("Add Entry", "Password")
    type_text("Add Entry", PASSWORD)
    focus_on("Add Entry", "Save entry.")
    press("Add Entry", "Return")
    wait_for("the success message", lambda: window("Success"))
    press("Success", "Return")
    wait_for("the editor to close", lambda: window("Add Entry") is None and window("Success") is None)
    wait_for("the new entry shown", shows("Quorlane", "MAIL BOX"))

    # Another entry in view, then the search brings the new one back.
    focus_on("Quorlane", "Entries")
    press("Quorlane", "Home")
    wait_for("the first entry shown again", shows("Quorlane", "ALPHA"))
    press("Quorlane", "ctrl+f")
    wait_for("the search window", lambda: window("Search"))
    type_text("Search", "mail")
    press("Search", "Return")
    wait_for("a match", shows("Search", "MAIL BOX", "list item"))
    focus_on("Search", "Record(s) that contain your Search Word/Phrase")
    press("Search", "Home")
    wait_for("the match shown in the main window", shows("Quorlane", "MAIL BOX"))
    press("Search", "Escape")
    wait_for("the search window to close", lambda: window("Search") is None)

    # Ctrl+3 copies the third field: the password.
    press("Quorlane", "ctrl+3")
    wait_for("the password on the clipboard", lambda: clipboard() == PASSWORD)
    print("PASS: added, found and copied from the keyboard in %.1f s" % (time.monotonic() - started))
except SystemExit:
    log.flush()
    subprocess.run(["cat", os.path.join(WORK, "program.log")])
    raise
finally:
    app.kill()
    app.wait()
