#!/usr/bin/python3
"""Reads the running program's accessibility tree as a screen reader does and prints every
fault: a control on the screen without a name or announced by its object name, a window
announced as filler. It opens each page of the function screen through the page buttons'
own accessible actions. Exit status 1 when a fault was found."""
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

DEADLINE_S = 60
OBJECT_NAME = re.compile(
    r"^(Form|Label|Image|Command|Check|Option|Picture|Frame|List|Com|GLMS|Ido|PB|tAM|tPM"
    r"|Timer|pMenu|kv)\w*$")
PAGES = ["システム", "ドライブ", "壁紙・解像度", "アラーム設定", "ファイル検索", "各種設定", "製品情報"]
LIST_CAP = 60
checked = [0]


def poll(what, find):
    deadline = time.monotonic() + DEADLINE_S
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear within {DEADLINE_S} s")


def showing(a):
    return a.get_state_set().contains(Atspi.StateType.SHOWING)


def children(a):
    for i in range(min(a.get_child_count(), LIST_CAP)):
        child = a.get_child_at_index(i)
        if child is not None:
            yield child


def application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_name() == "Morvane" and any(showing(w) for w in children(app)):
            return app
    return None


def window(app, name):
    return next((w for w in children(app) if w.get_name() == name and showing(w)), None)


def find(a, role, name):
    if a.get_role_name() == role and a.get_name() == name and showing(a):
        return a
    for child in children(a):
        hit = find(child, role, name)
        if hit is not None:
            return hit
    return None


def check(a, path, faults):
    if not showing(a):
        return
    role, name = a.get_role_name(), (a.get_name() or "").strip()
    checked[0] += 1
    where = f"{path} / {role} '{name}'"
    if not name:
        faults.add(f"{where}: no name")
    elif OBJECT_NAME.match(name):
        faults.add(f"{where}: announced by its object name")
    for child in children(a):
        check(child, where, faults)


def ghosts(a, path, faults):
    """Objects that say they are showing inside one that is not: a covered page's rows."""
    for child in children(a):
        where = f"{path} / {child.get_role_name()} '{child.get_name()}'"
        if showing(child) and not showing(a):
            faults.add(f"{where}: showing inside a hidden parent")
        ghosts(child, where, faults)


def press(button):
    action = button.get_action_iface()
    if action is None or not action.do_action(0):
        sys.exit(f"FAIL: '{button.get_name()}' cannot be pressed")


def main():
    faults = set()
    app = poll("the program", application)
    clock = poll("the clock window", lambda: window(app, "モルベーン"))
    if clock.get_role_name() != "frame":
        faults.add(f"the clock window is a {clock.get_role_name()}, not a frame")
    if find(clock, "image", "アラーム オン") is None and find(clock, "image", "アラーム オフ") is None:
        faults.add("the alarm lamp is not named for its state")
    check(clock, "clock", faults)

    press(poll("the settings button", lambda: find(clock, "push button", "各種設定")))
    screen = poll("the function screen", lambda: window(app, "機能画面"))
    for page in PAGES:
        press(poll(f"the page button {page}", lambda: find(screen, "push button", page)))
        poll(f"the page {page}", lambda: find(screen, "panel", page) or find(screen, "frame", page))
        check(screen, f"機能画面 ({page})", faults)
        ghosts(screen, f"機能画面 ({page})", faults)
    print(f"checked {checked[0]} objects on the screen")
    for fault in sorted(faults):
        print(f"FAIL: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
