#!/usr/bin/python3
"""Reads the running program's accessibility tree as a screen reader does and prints every
fault: a control on the screen without a name or announced by its object name, a filler or a
frame inside a window, a state a reader cannot hear, a focus event from a hidden window or
from a list that has no focus. It opens each page of the function screen and the launcher
through the controls' own accessible actions. Exit status 1 when a fault was found."""
import os
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DEADLINE_S = 60
ARROW_S = 10
OBJECT_NAME = re.compile(
    r"^(Form|Label|Image|Command|Check|Option|Picture|Frame|List|Com|GLMS|Ido|PB|tAM|tPM"
    r"|Timer|pMenu|kv)\w*$")
PAGES = ["システム", "ドライブ", "壁紙・解像度", "アラーム設定", "ファイル検索", "各種設定", "製品情報"]
LIST_CAP = 60
BUTTONS = ("push button", "toggle button")
WINDOWS = ("frame", "dialog", "window")
checked = [0]
focus_log = []


def pump(seconds=0.2):
    """Lets the accessibility events that arrived meanwhile reach their listeners."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.05)


def poll(what, find):
    deadline = time.monotonic() + DEADLINE_S
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        pump()
    sys.exit(f"FAIL: {what} did not appear within {DEADLINE_S} s")


def has(a, state):
    return a.get_state_set().contains(state)


def showing(a):
    return has(a, Atspi.StateType.SHOWING)


def window_of(a):
    while a is not None and a.get_role_name() not in WINDOWS:
        a = a.get_parent()
    return a


def on_focus(event):
    """Remembers every focus the program reports: who, in which list, in which window."""
    try:
        if not event.detail1 or event.source.get_application().get_name() != "Morvane":
            return
        parent, window = event.source.get_parent(), window_of(event.source)
        focus_log.append((event.source.get_name(), parent.get_name() if parent else "",
                          window.get_name() if window else "", window is not None and showing(window)))
    except GLib.Error:
        pass


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
    """The showing object of that role (or one of those roles) and name, below and with a."""
    roles = (role,) if isinstance(role, str) else role
    if a.get_role_name() in roles and a.get_name() == name and showing(a):
        return a
    for child in children(a):
        hit = find(child, role, name)
        if hit is not None:
            return hit
    return None


def check(a, path, faults, window=True):
    if not showing(a):
        return
    role, name = a.get_role_name(), (a.get_name() or "").strip()
    checked[0] += 1
    where = f"{path} / {role} '{name}'"
    if not name:
        faults.add(f"{where}: no name")
    elif OBJECT_NAME.match(name):
        faults.add(f"{where}: announced by its object name")
    if role == "filler" or (role == "frame" and not window):
        faults.add(f"{where}: a {role} inside a window")
    for child in children(a):
        check(child, where, faults, False)


def ghosts(a, path, faults):
    """Objects that say they are showing inside one that is not: a covered page's rows."""
    for child in children(a):
        where = f"{path} / {child.get_role_name()} '{child.get_name()}'"
        if showing(child) and not showing(a):
            faults.add(f"{where}: showing inside a hidden parent")
        ghosts(child, where, faults)


def on(a):
    return has(a, Atspi.StateType.CHECKED)


def descendants(a):
    for child in children(a):
        yield child
        yield from descendants(child)


def showing_rows(a):
    return [r for r in descendants(a) if r.get_role_name() == "list item" and showing(r)]


def press(a):
    action = a.get_action_iface()
    if action is None or not action.do_action(0):
        sys.exit(f"FAIL: '{a.get_name()}' cannot be pressed")


def check_clock(clock, faults):
    if clock.get_role_name() != "frame":
        faults.add(f"the clock window is a {clock.get_role_name()}, not a frame")
    if find(clock, "image", "アラーム オン") is None and find(clock, "image", "アラーム オフ") is None:
        faults.add("the alarm lamp is not named for its state")
    if find(clock, "progress bar", "空きメモリ") is None:
        faults.add("the memory bar is not named for its value, the free memory")
    lock = poll("the lock button", lambda: find(clock, BUTTONS, "画面の移動"))
    for reads_on in (True, False):
        poll(f"the lock button to read as on: {reads_on}", lambda: on(lock) == reads_on)
        press(lock)
    poll("the lock button to read as on again", lambda: on(lock))
    check(clock, "clock", faults)


def check_pages(screen, faults):
    for page in PAGES:
        press(poll(f"the page button {page}", lambda: find(screen, BUTTONS, page)))
        poll(f"the page {page}", lambda: find(screen, "panel", page))
        pressed = [p for p in PAGES if on(find(screen, BUTTONS, p))]
        if pressed != [page]:
            faults.add(f"on the page {page}, the page buttons read as pressed: {pressed}")
        check(screen, f"機能画面 ({page})", faults)
        ghosts(screen, f"機能画面 ({page})", faults)
        if page == "ドライブ":
            check_drive_list(screen, faults)
        if page == "アラーム設定":
            check_alarm_lists(screen, faults)
        if page == "ファイル検索":
            check_file_types(screen, faults)


def text_of(a):
    text = a.get_text_iface()
    return text.get_text(0, -1) if text is not None else ""


def check_drive_list(screen, faults):
    """Named by its label, ドライブ, with the chosen drive as its value."""
    box = next(c for c in descendants(screen) if c.get_role_name() == "combo box")
    name, value = box.get_name(), text_of(box)
    if name != "ドライブ" or not value.startswith("/") or box.get_description() == name:
        faults.add(f"the drive list reads '{name}' with the value '{value}', not ドライブ "
                   "with the drive chosen")
    poll("the closed drive list to show no rows", lambda: not showing_rows(box))
    press(box)
    poll("the open drive list's rows", lambda: showing_rows(box))
    press(box)
    poll("the drive list to close", lambda: not showing_rows(box))


def check_file_types(screen, faults):
    box = find(screen, "combo box", "ファイル属性")
    if box is None:
        faults.add("the file-type list is not named ファイル属性")
    elif box.get_description() == box.get_name():
        faults.add("the file-type list is described by its own name")


def check_alarm_lists(screen, faults):
    """The alarm at 0:30 chose its slot in the hidden window; arrowing moves one list's focus."""
    times, sounds = (find(screen, "list", n) for n in ("時間帯 (24時間)", "サウンドのパス"))
    if not has(sounds.get_child_at_index(1), Atspi.StateType.SELECTED):
        faults.add("the alarm at 0:30 did not select its slot in the hidden window")
    for name, parent, window, window_showing in focus_log:
        if not window_showing:
            faults.add(f"a focus event for '{name}' in '{parent}' from the hidden '{window}'")
    times.get_component_iface().grab_focus()
    poll("the time list to take the focus", lambda: has(times, Atspi.StateType.FOCUSED))
    del focus_log[:]
    # In some runs the time list's own focus events never reach this listener, though the
    # keys move its row: the arrows are pressed until they arrive, or for a while at most.
    # Any event for the sound list among them is the fault.
    deadline = time.monotonic() + ARROW_S
    while not focus_log and time.monotonic() < deadline:
        Atspi.generate_keyboard_event(0xFF54, None, Atspi.KeySynthType.SYM)  # Down
        pump(0.5)
    if any(parent == sounds.get_name() for _, parent, _, _ in focus_log):
        faults.add("arrowing in the time list sends focus events for the sound list")


def check_launcher(app, clock, faults):
    press(poll("the launcher button", lambda: find(clock, BUTTONS, "簡易ランチャー")))
    launcher = poll("the launcher", lambda: window(app, "簡易ランチャー"))
    start = poll("the launch button 時計", lambda: find(launcher, BUTTONS, "時計"))
    if start.get_description() != "/usr/bin/xclock":
        faults.add(f"the launch button 時計 is described as '{start.get_description()}'")
    if find(launcher, BUTTONS, "ショートカット1「時計」の設定") is None:
        faults.add("the settings button of 時計 does not say which slot it edits")
    tabs = [t for t in descendants(launcher) if t.get_role_name() == "page tab"]
    if [has(t, Atspi.StateType.SELECTED) for t in tabs] != [True] + [False] * 4:
        faults.add("the launcher's first tab does not read as the only selected one")
    check(launcher, "簡易ランチャー", faults)
    poll("the loading window to leave the tree",
         lambda: all(w.get_name() != "読み込み中" for w in children(app)))


def main():
    faults = set()
    Atspi.EventListener.new(on_focus).register("object:state-changed:focused")
    app = poll("the program", application)
    clock = poll("the clock window", lambda: window(app, "モルベーン"))
    # The half hour passes while the function screen is still hidden.
    pump(max(0.0, float(os.environ.get("MORVANE_ALARM_AT", "0")) - time.time()))
    check_clock(clock, faults)
    press(poll("the settings button", lambda: find(clock, BUTTONS, "各種設定")))
    screen = poll("the function screen", lambda: window(app, "機能画面"))
    check_pages(screen, faults)
    check_launcher(app, clock, faults)
    print(f"checked {checked[0]} objects on the screen")
    for fault in sorted(faults):
        print(f"FAIL: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
