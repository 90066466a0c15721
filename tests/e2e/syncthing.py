# Two programs, one on each Syncthing folder (started here, on the display and D-Bus session it
# is given); see syncthing.sh. An entry saved in the first program reaches the second folder,
# and the second program shows it once its window is back in front. With "apart" (Syncthing
# stopped), each program saves an entry of its own in its own folder.
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
import poll  # noqa: E402
from poll import fail, wait_for  # noqa: E402

WORK = os.environ["QUORLANE_WORK"]
ENTRIES = os.environ["QUORLANE_ENTRIES"]


def application(pid):
    """The accessibility node of the program with that process id, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quorlane" and app.get_process_id() == pid:
            return app
    return None


def window(pid, title):
    app = application(pid)
    for i in range(app.childCount if app is not None else 0):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


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


def shows(pid, title, text, role):
    return lambda: find(window(pid, title), lambda n: n.name == text and n.getRoleName() == role)


def give_focus(pid, title):
    # No window manager: the focus goes to the program's window as a window manager would give it.
    ids = wait_for("the window %s of %d" % (title, pid), lambda: subprocess.run(
        ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", "^%s$" % title],
        capture_output=True, text=True).stdout.split())
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=True, timeout=60)


def to_window(pid, title):
    give_focus(pid, title)
    wait_for("the window %s active" % title, lambda: window(pid, title).getState().contains(pyatspi.STATE_ACTIVE))


def focused(win):
    return find(win, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED) and n.getRoleName() != "list item")


def focus_on(pid, title, name):
    """Tab through the window until the control called name has the focus."""
    win = wait_for("window " + title, lambda: window(pid, title))
    to_window(pid, title)
    for _ in range(40):
        now = wait_for("a focused control in " + title, lambda: focused(win))
        if now.name == name:
            return
        keys("Tab")
        wait_for("Tab to move the focus on from '%s'" % now.name, lambda: focused(win) != now)
    fail("Tab never reached '%s' in '%s'" % (name, title))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True, timeout=20)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=20)


def start(folder):
    log = open(os.path.join(WORK, "app_%s.log" % folder), "w")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=os.path.join(WORK, "config_" + folder))
    return subprocess.Popen([os.path.join(WORK, "bin", "quorlane"), "--vault",
                             os.path.join(WORK, folder, "gpwdfsc.mdb")], stdout=log, stderr=log, env=env)


def listed(folder):
    done = subprocess.run([ENTRIES, os.path.join(WORK, folder, "gpwdfsc.mdb"), "list"],
                          capture_output=True, text=True)
    return done.stdout.splitlines() if done.returncode == 0 else []


def save(pid, site, password):
    """Adds a web site entry in the program, from the keyboard."""
    to_window(pid, "Quorlane")
    keys("ctrl+n")
    wait_for("the entry editor", lambda: window(pid, "Add Entry"))
    focus_on(pid, "Add Entry", "Category")
    keys("w")
    wait_for("the web site titles", shows(pid, "Add Entry", "Password:", "label"))
    focus_on(pid, "Add Entry", "Site")
    type_text(site)
    focus_on(pid, "Add Entry", "Password")
    type_text(password)
    focus_on(pid, "Add Entry", "Save entry.")
    keys("Return")
    wait_for("the success message", lambda: window(pid, "Success"))
    to_window(pid, "Success")
    keys("Return")
    wait_for("the editor to close", lambda: window(pid, "Add Entry") is None)


def started(folder):
    program = start(folder)
    programs.append(program)
    poll.watched = program
    wait_for("the program on " + folder, shows(program.pid, "Quorlane", "MAIL", "list item"))
    return program


programs = []
try:
    if sys.argv[1:] == ["apart"]:
        # Syncthing stopped: each program saves an entry of its own in its own folder.
        for folder, site in (("vault_a", "Laptop A"), ("vault_b", "Laptop B")):
            program = started(folder)
            save(program.pid, site, "pw " + site)
            program.kill()
            program.wait()
        sys.exit(0)

    second = started("vault_b")
    first = started("vault_a")
    save(first.pid, "Bank", "pin 1234")

    # Synced to the second folder, and shown by the second program once it is in front again.
    poll.watched = second
    wait_for("the entry in the second folder",
             lambda: any(line.startswith("Bank|WEB SITE|") and "|pin 1234|" in line for line in listed("vault_b")),
             seconds=180)
    give_focus(second.pid, "Quorlane")
    wait_for("the second program to say the vault changed", lambda: window(second.pid, "Vault Changed"))
    to_window(second.pid, "Vault Changed")
    keys("Return")
    wait_for("the entry in the second program's list", shows(second.pid, "Quorlane", "BANK", "list item"))
    print("PASS: an entry saved in one program appeared in the other after the sync", flush=True)
except SystemExit as end:
    if end.code:
        for name in ("app_vault_a.log", "app_vault_b.log"):
            subprocess.run(["cat", os.path.join(WORK, name)])
    raise
finally:
    for program in programs:
        program.kill()
        program.wait()
