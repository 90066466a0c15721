# Waits shared by the end-to-end Python drivers: every wait polls for its condition until a
# deadline (QUORLANE_WAIT seconds, 60 unless set) and then fails the run with what never came.
import os
import subprocess
import sys
import time

DEADLINE = float(os.environ.get("QUORLANE_WAIT", "60"))
INTERVAL = 0.1

# Called with the message before a failing run ends (a driver may print what the program showed).
on_failure = None
# A subprocess.Popen of the program: a wait gives up at once when it has ended.
watched = None


def fail(message):
    print("FAIL: " + message, flush=True)
    if on_failure is not None:
        try:
            on_failure()
        except Exception as error:  # the report of a failure never hides the failure
            print("(no details: %s)" % error)
    sys.exit(1)


def wait_for(what, probe, seconds=None):
    """Calls probe until it gives something true and returns that; fails after the deadline."""
    end = time.monotonic() + (DEADLINE if seconds is None else seconds)
    while True:
        try:
            found = probe()
        except Exception:  # a window or control that goes while it is read
            found = None
        if found:
            return found
        if watched is not None and watched.poll() is not None:
            fail("the program ended (status %s) while waiting for %s" % (watched.returncode, what))
        if time.monotonic() > end:
            fail("gave up waiting for %s after %g s" % (what, DEADLINE if seconds is None else seconds))
        time.sleep(INTERVAL)


def shown_windows(title):
    """The ids of the visible top-level X windows whose title is exactly title."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                          capture_output=True, text=True).stdout.split()


def wait_window(title):
    return wait_for("the window " + title, lambda: shown_windows(title))


def clipboard():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True)
    return done.stdout if done.returncode == 0 else None


def wait_clipboard(text):
    wait_for("the clipboard to hold %r" % text, lambda: clipboard() == text)
