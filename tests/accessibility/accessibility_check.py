# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a short game in the real program the way a screen reader user would,
and reads the window back through AT-SPI, as Orca does.

The program runs in a private desktop (desktop_session.py) with Qt's
accessibility bridge on. The check walks the accessible tree: every control
that can take the focus must have a role and a name a screen reader can speak.
It then moves with Tab, starts a game with Space, types ASCII answers and
Enter (an input method is needed for kana), and after the play time reads the
answers from the answer grid and the counts from the counters, comparing them
with the record the automatic save wrote. Last it opens the topic panel with
Space, checks it the same way, and closes it with Escape.

Usage: accessibility_check.py PROGRAM
"""

import importlib.util
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
from desktop_session import DesktopSession, missing_tools, wait_until  # noqa: E402

DEADLINE_SECONDS = 100
TOPIC = "好きな色"
ANSWERS = ["abc", "abc", "xyz"]  # new, then a duplicate, then new
PLAY_SECONDS = 10


class CheckFailed(Exception):
    pass


def prerequisites_missing():
    missing = missing_tools()
    if importlib.util.find_spec("pyatspi") is None:
        missing.append(f"python3-pyatspi (for {sys.executable})")
    return missing


def make_data_folder(parent):
    folder = os.path.join(parent, "data")
    os.mkdir(folder)
    files = {"設定.txt": f"{PLAY_SECONDS},1\r\n", "題目.txt": f"{TOPIC}\r\n一番食べたいもの\r\n",
             "履歴.txt": ""}
    for name, text in files.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(text.encode("cp932"))
    return folder


class Window:
    """The program's accessible tree, read through pyatspi."""

    def __init__(self, pyatspi):
        self.atspi = pyatspi
        self.app = wait_until("the program on the accessibility bus", self._find_app, 30, 0.3)

    def _find_app(self):
        for app in self.atspi.Registry.getDesktop(0):
            if app is not None and app.name == "Wordbloom" and app.childCount > 0:
                return app
        return None

    def objects(self, root=None):
        """Every object under root, in the order of the tree, read afresh:
        children added since the last look (the topic panel, made when first
        opened) are missing from pyatspi's cache otherwise."""
        root = root or self.app
        root.clear_cache()
        stack = [root]
        while stack:
            node = stack.pop()
            yield node
            children = (node.getChildAtIndex(i) for i in range(node.childCount))
            stack.extend(reversed([child for child in children if child is not None]))

    def named(self, name, role=None):
        for node in self.objects():
            if node.name == name and (role is None or node.getRoleName() == role):
                return node
        raise CheckFailed(f"nothing named {name!r} in the accessible tree")

    def focused(self):
        """The control with the keyboard focus. Qt marks a grid's or list's
        current item focused even while the focus is elsewhere, so items do
        not count: their grid or list does."""
        for node in self.objects():
            if (node.getRoleName() not in ITEM_ROLES and
                    node.getState().contains(self.atspi.STATE_FOCUSED)):
                return node
        return None

    def showing(self, node):
        return node.getState().contains(self.atspi.STATE_SHOWING)

    def press(self, keysym):
        self.atspi.Registry.generateKeyboardEvent(keysym, None, self.atspi.KEY_SYM)

    def type(self, text):
        self.atspi.Registry.generateKeyboardEvent(0, text, self.atspi.KEY_STRING)

    def tab_to(self, name):
        """Presses Tab until the named control has the focus."""
        for _ in range(40):
            focus = self.focused()
            if focus is not None and focus.name == name:
                return focus
            self.press(XK_TAB)
            wait_until("the focus to move", lambda f=focus: self.focused() != f, 3, 0.05)
        raise CheckFailed(f"Tab never reached {name!r}")

    def cells(self, table_name):
        table = self.named(table_name, "table").queryTable()
        return [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
                for row in range(table.nRows)]

    def headers(self, table_name):
        table = self.named(table_name, "table")
        return [child.name for child in self.objects(table)
                if child.getRoleName() == "table column header"]


XK_TAB, XK_RETURN, XK_SPACE, XK_ESCAPE = 0xFF09, 0xFF0D, 0x20, 0xFF1B
ITEM_ROLES = {"table cell", "list item"}  # named by their text, checked by content


def spoken_name(window, node):
    """The name a screen reader speaks: the object's own, or its label's."""
    if node.name:
        return node.name
    for relation in node.getRelationSet():
        if relation.getRelationType() == window.atspi.RELATION_LABELLED_BY:
            labels = [relation.getTarget(i).name for i in range(relation.getNTargets())]
            return " ".join(label for label in labels if label)
    return ""


def unnamed_focusable(window, root):
    problems = []
    for node in window.objects(root):
        role = node.getRoleName()
        if role in ITEM_ROLES or not window.showing(node):
            continue
        if not node.getState().contains(window.atspi.STATE_FOCUSABLE):
            continue
        if role in ("unknown", "invalid") or not spoken_name(window, node):
            problems.append(f"{role} under {node.parent.name!r} ({node.parent.getRoleName()})")
    return problems


def expect(what, seen, wanted):
    if seen != wanted:
        raise CheckFailed(f"{what}: read {seen!r}, expected {wanted!r}")
    print(f"ok: {what}: {seen!r}")


def last_saved_record(folder):
    with open(os.path.join(folder, "履歴.txt"), "rb") as file:
        lines = file.read().decode("cp932").splitlines()
    if not lines:
        raise CheckFailed("the game was not saved")
    return [field.strip('"') for field in lines[-1].split(",")]


def play_and_read(window, folder):
    problems = unnamed_focusable(window, window.app)
    if problems:
        raise CheckFailed("focusable controls without a spoken name: " + "; ".join(problems))
    print("ok: every focusable control has a role and a name")

    window.tab_to("表示中のお題でスタート")
    window.press(XK_SPACE)
    wait_until("the answer box to take the focus after the countdown",
               lambda: (window.focused() or window.app).name == "答え", 10)
    for count, answer in enumerate(ANSWERS, start=1):
        window.type(answer)
        window.press(XK_RETURN)
        wait_until(f"answer {count} in the grid",
                   lambda c=count: len(window.cells("このゲームの答え")) == c, 5)

    bar = window.named("残り時間", "progress bar").queryValue()
    start = window.named("スタート", "push button")
    wait_until("the end of the game",
               lambda: bar.currentValue == 0 and
               start.getState().contains(window.atspi.STATE_ENABLED), PLAY_SECONDS + 10)
    print("ok: the time bar reads 0 at the end")

    expect("answer grid headers", window.headers("このゲームの答え"), ["回", "回答"])
    expect("answer grid cells", window.cells("このゲームの答え"),
           [["1 新しい回答", "abc"], ["2 重複した回答", "abc"], ["3 新しい回答", "xyz"]])

    record = wait_until("the automatic save", lambda: last_saved_record(folder), 5)
    expect("saved counts", record[4:7], ["2", "0", "1"])
    counters = {"新しい回答の数": record[4], "既存の回答の数": record[5], "重複した回答の数": record[6],
                "文字数": record[7], "1秒あたりの文字数": record[8]}
    labels = [node.name for node in window.objects() if node.getRoleName() == "label"]
    for name, value in counters.items():
        shown = [label for label in labels if label == name or label.startswith(name + " ")]
        expect(f"counter {name}", shown, [f"{name} {value}"])
    history = window.cells("プレイ履歴")
    expect("play history row's topic", history[-1][3], TOPIC)


def visit_topic_panel(window):
    window.tab_to("履歴表示")
    window.press(XK_SPACE)
    panel = wait_until("the topic panel", lambda: next(
        (n for n in window.objects() if n.name == "お題の履歴" and window.showing(n)), None), 5)
    problems = unnamed_focusable(window, panel)
    if problems:
        raise CheckFailed("focusable controls without a spoken name: " + "; ".join(problems))
    print("ok: every focusable control of the topic panel has a role and a name")
    expect("answer log headers", window.headers("答えの記録"), ["回", "日付", "時間", "日回", "回答"])
    expect("answer log answers", [row[4] for row in window.cells("答えの記録")], ANSWERS)
    window.press(XK_ESCAPE)
    wait_until("Escape to close the topic panel", lambda: not window.showing(panel), 5)
    expect("focus after Escape", window.focused().name, "履歴表示")


def run(program):
    with tempfile.TemporaryDirectory(prefix="wordbloom-a11y-data-") as parent, \
            DesktopSession() as desktop:
        folder = make_data_folder(parent)
        game = desktop.start("wordbloom", [program], cwd=folder, extra_env={
            "QT_QPA_PLATFORM": "xcb", "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        os.environ.update(desktop.env)
        import pyatspi  # only now: it connects to the buses started above
        try:
            window = Window(pyatspi)
            # No window manager gives the new window the keyboard, so the
            # check does, as a desktop would.
            subprocess.run(["xdotool", "search", "--sync", "--name", "^Wordbloom$",
                            "windowfocus", "--sync"], env=desktop.env, check=True, timeout=20)
            wait_until("the window to take the focus", window.focused, 10)
            play_and_read(window, folder)
            visit_topic_panel(window)
        except BaseException:
            if game.poll() is not None:
                print(f"the program ended with status {game.returncode}", file=sys.stderr)
            print("program output:\n" + desktop.log_text("wordbloom"), file=sys.stderr)
            raise


def on_deadline(*_):
    raise TimeoutError(f"the check took longer than {DEADLINE_SECONDS} s")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = prerequisites_missing()
    if missing:
        print("accessibility check cannot run, missing: " + ", ".join(missing) +
              " (script/bootstrap installs them)", file=sys.stderr)
        return 1
    signal.signal(signal.SIGALRM, on_deadline)
    signal.signal(signal.SIGTERM, on_deadline)
    signal.alarm(DEADLINE_SECONDS)
    started = time.monotonic()
    try:
        run(os.path.abspath(sys.argv[1]))
    except (CheckFailed, TimeoutError, OSError, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
