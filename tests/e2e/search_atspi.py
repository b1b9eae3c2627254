#!/usr/bin/python3
"""Searches a real temporary folder with the running program as a user would and reads the
answer as a screen reader does: the hit list, the count line, the folder box and the
property lines. The folder holds a hidden file, a pipe and a subfolder, none of which may
be listed unless hidden files are asked for. Exit status 1 on the first wrong answer."""
import os
import shutil
import subprocess
import sys
import tempfile

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_names import BUTTONS, application, find, poll, press, window  # noqa: E402


def make_folder():
    folder = tempfile.mkdtemp()
    for name, size in (("a.txt", 1536), ("B.DAT", 0), (".hidden", 0)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(b"x" * size)
    os.mkfifo(os.path.join(folder, "pipe"))
    os.mkdir(os.path.join(folder, "sub"))
    return folder


def labels(a, out):
    if a.get_role_name() == "label":
        out.append(a.get_name())
    for i in range(a.get_child_count()):
        child = a.get_child_at_index(i)
        if child is not None:
            labels(child, out)
    return out


def rows(listing):
    return sorted(listing.get_child_at_index(i).get_name()
                  for i in range(listing.get_child_count()))


def text_of(a):
    t = a.get_text_iface()
    return t.get_text(0, t.get_character_count())


def expect(what, got, wanted):
    if got != wanted:
        sys.exit(f"FAIL: {what}: {got!r}, expected {wanted!r}")
    print(f"ok: {what}: {got!r}")


def wait_for(what, found):
    return poll(what, lambda: True if found() else None)


def click(a):
    box = a.get_extents(Atspi.CoordType.SCREEN)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)


def main():
    folder = make_folder()
    try:
        return search(folder)
    finally:
        shutil.rmtree(folder)


def search(folder):
    app = poll("the program", application)
    clock = poll("the clock window", lambda: window(app, "モルベーン"))
    press(poll("the settings button", lambda: find(clock, "push button", "各種設定")))
    screen = poll("the function screen", lambda: window(app, "機能画面"))
    press(poll("the search page button", lambda: find(screen, BUTTONS, "ファイル検索")))
    place = poll("the folder box", lambda: find(screen, "text", "検索場所"))
    place.get_editable_text_iface().set_text_contents(folder)
    start = find(screen, "push button", "検索開始")
    press(start)
    wait_for("the count line", lambda: "2 個のヒット" in labels(screen, []))
    listing = find(screen, "list", "ヒットファイル")
    expect("the hits", rows(listing), ["B.DAT", "a.txt"])
    expect("the folder box", text_of(place), folder + "/")

    press(find(screen, "check box", "隠しファイルも検索する"))
    press(start)
    wait_for("the count line with hidden files", lambda: "3 個のヒット" in labels(screen, []))
    expect("the hits with hidden files", rows(listing), [".hidden", "B.DAT", "a.txt"])

    row = next(listing.get_child_at_index(i) for i in range(listing.get_child_count())
               if listing.get_child_at_index(i).get_name() == "a.txt")
    click(row)
    wait_for("the size line", lambda: "1.5KB" in labels(screen, []))
    print("ok: the properties of a.txt are shown")
    return 0


if __name__ == "__main__":
    sys.exit(main())
