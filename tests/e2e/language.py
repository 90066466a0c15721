# German, then English, on one vault (started here, on the display and D-Bus session it is given);
# see language.sh.
import hashlib
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
import poll  # noqa: E402
from poll import fail, wait_for  # noqa: E402
from tree import program, window  # noqa: E402

WORK = os.environ["QUORLANE_WORK"]
SHOTS = os.environ["QUORLANE_SHOTS"]
VAULT = os.path.join(WORK, "gpwdfsc.mdb")


def names(node, roles, depth=0):
    """The names of every node of the given roles under node."""
    if node is None or depth > 14:
        return []
    found = [node.name] if node.getRoleName() in roles else []
    for i in range(node.childCount):
        found += names(node.getChildAtIndex(i), roles, depth + 1)
    return found


def has_text(title, text):
    return lambda: text in names(window(title), ("label", "push button", "check box", "list item"))


def xtitle(title):
    """An X window title pattern for xdotool: its special characters taken literally, and any letter
    beyond ASCII matched loosely (the window's legacy name may not hold it in UTF-8)."""
    return "".join("[%s]" % c if c in ".^$*+?()[{|\\" else c if ord(c) < 128 else ".*" for c in title)


def press(title, *keys):
    ids = wait_for("the window " + title, lambda: poll.shown_windows(xtitle(title)))
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=True, timeout=60)
    wait_for("the window %s active" % title, lambda: window(title).getState().contains(pyatspi.STATE_ACTIVE))
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True, timeout=20)


def shot(name):
    path = os.path.join(SHOTS, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True, timeout=60)
    print("screenshot:", path)


def vault_bytes():
    with open(VAULT, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def run(language, steps):
    log = open(os.path.join(WORK, "program-%s.log" % language), "w")
    env = dict(os.environ, LANG=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=os.path.join(WORK, "config"))
    app = subprocess.Popen([os.path.join(WORK, "quorlane")], stdout=log, stderr=log, env=env)
    poll.watched = app
    try:
        main = wait_for("the main window", lambda: window("Quorlane"))
        wait_for("the first entry shown", has_text("Quorlane", "ALARM"))
        return steps(main)
    except SystemExit:
        log.flush()
        subprocess.run(["cat", log.name])
        raise
    finally:
        app.kill()
        app.wait()


def german(main):
    wait_for("the main window in German", has_text("Quorlane", "Angaben verbergen."))
    listed = sorted(names(main, ("list item",)))
    categories = sorted(names(main, ("menu item",)))
    shot("de-main")
    # The entry editor.
    press("Quorlane", "ctrl+n")
    wait_for("the entry editor", lambda: window("Eintrag hinzufügen"))
    wait_for("the editor's labels in German", has_text("Eintrag hinzufügen", "Kategorie:"))
    shot("de-editor")
    press("Eintrag hinzufügen", "Escape")
    wait_for("the editor to close", lambda: window("Eintrag hinzufügen") is None)
    # A message box: deleting asks, with Qt's own buttons in German; No keeps the entry.
    press("Quorlane", "Delete")
    box = wait_for("the question", lambda: window("Eintrag löschen?"))
    wait_for("Qt's buttons in German", lambda: {"Ja", "Nein"} <= set(names(box, ("push button",))))
    shot("de-message")
    press("Eintrag löschen?", "Escape")
    wait_for("the question to close", lambda: window("Eintrag löschen?") is None)
    return listed, categories


def english(main):
    wait_for("the main window in English", has_text("Quorlane", "Hide information."))
    shot("en-main")
    press("Quorlane", "ctrl+n")
    wait_for("the entry editor", lambda: window("Add Entry"))
    press("Add Entry", "Escape")
    wait_for("the editor to close", lambda: window("Add Entry") is None)
    return sorted(names(main, ("list item",))), sorted(names(main, ("menu item",)))


before = vault_bytes()
listed_de, categories_de = run("de_DE.UTF-8", german)
listed_en, categories_en = run("en_US.UTF-8", english)
# The filter's first item is the program's own text, the one that differs by language.
if "ALLE KATEGORIEN" not in listed_de or "ALL CATEGORIES" not in listed_en:
    fail("the filter's first item is %s / %s" % (listed_de, listed_en))
listed_de.remove("ALLE KATEGORIEN")
listed_en.remove("ALL CATEGORIES")
if (listed_de, categories_de) != (listed_en, categories_en):
    fail("German showed %s / %s, English %s / %s" % (listed_de, categories_de, listed_en, categories_en))
# The category filter's items are list items too.
if "ALARM" not in listed_en or "HOME" not in listed_en + categories_en:
    fail("the entries or categories are missing: %s / %s" % (listed_en, categories_en))
if vault_bytes() != before:
    fail("the vault file changed")
print("PASS: German, then English, on the same vault: the same %d listed names" % len(listed_en))
