# The running program as the accessibility tree shows it, shared by the end-to-end Python drivers.
import pyatspi


def program():
    """The program's application node, or None while it is not on the bus."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quorlane":
            return app
    return None


def window(title):
    """The program's shown top-level window of that title, or None."""
    app = program()
    if app is None:
        return None
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None
