#!/usr/bin/python3
"""The program as a screen reader meets it: driven only through the desktop's accessibility bus
(AT-SPI), by the names and actions its controls publish, never by screen coordinates.

1. Every window of the program is opened; any control that can take the focus but has no name
   fails the run, listed.
2. A study session: a new person, Study of Questions, the answer shown, graded Right, the grade
   undone, graded Wrong, the session quit and the program left; the person's file then holds
   that one wrong answer and nothing of the undone right one.
3. A short game: one cell of the board answered right, the game quit, the program left; the
   answer reached the person's file.

Run by run-accessibility.sh, which provides the display, the buses and a throwaway program
folder (SV_E2E_PROGRAM).
"""

import os
import subprocess
import sys
import threading
import time
import traceback

from dogtail.config import config

config.checkForA11y = False  # the bus is ours; there is no desktop setting to consult
config.logDebugToFile = False
config.logDebugToStdOut = False
config.defaultDelay = 0.05
config.actionDelay = 0.05
config.searchBackoffDuration = 0.1
config.searchCutoffCount = 50

from dogtail import tree  # noqa: E402  (after the configuration)
import pyatspi  # noqa: E402
from gi.repository import Atspi, Gdk, GLib  # noqa: E402

# A call that waits on a message box gives up after a second instead of the bus's 25.
Atspi.set_timeout(1000, 15000)



def report(line):
    """A line of the run's report, written straight to the terminal (dogtail keeps the streams)."""
    os.write(2, (line + "\n").encode())

PROGRAM = os.environ["SV_E2E_PROGRAM"]
PROGRAM_DIR = os.path.dirname(PROGRAM)
APP_NAME = "The Scrivolt"
PERSON = "Ann"
AUDITOR = "Audrey"  # the person of the names audit, who leaves no file of interest

# The person file's layout: its size, and where the knowledge bytes of the questions lie.
USER_FILE_SIZE = 75352
QUESTION_KNOWLEDGE = slice(4272, 69800)
KNOWLEDGE = slice(4272, 72200)  # questions, then references and memory verses
UNTRIED = 7

# Every window a command of the menu bar opens (the menu path, the window's title).
WINDOWS = [
    (("Study", "Questions..."), "Study of Questions"),
    (("Study", "Memory verses..."), "Study of Memory Verses"),
    (("Study", "Reference work..."), "Reference work"),
    (("Study", "Word study"), None),
    (("Study", "View progress"), "Study Progress Chart"),
    (("Study", "Team progress"), "Team Progress"),
    (("Goals", "Create or edit task list"), "Create or Edit Study Tasks"),
    (("Print", "Question sets..."), "Generate Question Sets"),
    (("Print", "Lists of questions..."), "Generate Lists"),
    (("Print", "Memory verse list..."), "Generate Memory Verses"),
    (("Print", "Scripture portion..."), "Generate scripture portion"),
    (("Print", "Concordance..."), "Generate a Concordance"),
    (("Fun", "One-Way Game..."), "Play The One-Way Game"),
    (("Fun", "Wall of fame"), None),
    (("Fun", "Speech settings..."), "Speech and Assistant Settings"),
    (("File", "Update software from the web..."), None),
    (("File", "New User..."), "Select User"),
]


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=10.0):
    """The first true value of condition(), polled until timeout."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # noqa: BLE001  (a node of a window that just closed)
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what + Program.scene())
        time.sleep(0.05)


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


# What a walk of the tree does not enter: the items of tables and lists speak through their
# content, and there are many of them.
LEAF_ROLES = {"table", "list", "tree table", "tree", "page tab list"}


def walk(node, predicate, found, stop_at_first=False):
    """The showing descendants of node for which predicate holds, hidden subtrees skipped."""
    try:
        children = list(node)
    except Exception:  # noqa: BLE001  (a window closing while it is walked)
        return False
    for child in children:
        try:
            if not showing(child):
                continue
            if predicate(child):
                found.append(child)
                if stop_at_first:
                    return True
            enter = child.getRoleName() not in LEAF_ROLES
        except Exception:  # noqa: BLE001  (a node that went away meanwhile)
            continue
        if enter and walk(child, predicate, found, stop_at_first):
            return True
    return False


def gone(node):
    """The node's window was closed (its node no longer answers, or is no longer shown)."""
    try:
        return not showing(node)
    except Exception:  # noqa: BLE001
        return True


def descendants(node, predicate):
    found = []
    walk(node, predicate, found)
    return found


def first(node, predicate):
    found = []
    walk(node, predicate, found, stop_at_first=True)
    return found[0] if found else None


def named(role, name):
    return lambda n: n.getRoleName() == role and n.name == name


def act(node, *names):
    """Does the first of the node's actions named (press, toggle ...)."""
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for wanted in names:
        for i, name in enumerate(offered):
            if name.lower() == wanted.lower():
                try:
                    action.doAction(i)
                except GLib.Error as e:
                    # An action that opens a message box answers only once the box is closed:
                    # the box is there to be answered.
                    if "Did not receive a reply" not in str(e):
                        raise
                return
    raise Failure(f"'{node.name}' ({node.getRoleName()}) offers {offered}, not {names}")


def press(node):
    act(node, "Press", "Click", "Toggle")


class Program:
    """One run of the program, ended by PID whatever happens."""

    current = None

    @staticmethod
    def scene():
        """What the program shows now: its child windows and messages (for a failure's report)."""
        program = Program.current
        if program is None:
            return ""
        try:
            windows = [w.name for w in program.child_windows()]
            messages = [" ".join(n.name for n in descendants(a, lambda n: n.getRoleName() == "label"))
                        for a in program.alerts()]
            return f" (windows {windows}, messages {messages})"
        except Exception:  # noqa: BLE001
            return ""

    def __init__(self):
        self.process = subprocess.Popen([PROGRAM], cwd=PROGRAM_DIR)
        Program.current = self
        self.menu_bar = None
        self.app = wait_for("the program on the accessibility bus", self.find_app, 20)

    def find_app(self):
        for app in tree.root.applications():
            if app.name == APP_NAME and app.get_process_id() == self.process.pid:
                return app
        return None

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end") from None

    # --- Windows ---
    def pane(self):
        return first(self.app, lambda n: n.getRoleName() == "layered pane")

    def window(self, title, timeout=10):
        return wait_for(f"the window '{title}'", lambda: first(self.app, named("frame", title)), timeout)

    def child_windows(self):
        pane = self.pane()
        return [w for w in pane if showing(w)] if pane else []

    def alerts(self):
        found = []
        for w in self.app:
            try:
                if showing(w) and w.getRoleName() in ("alert", "dialog"):
                    found.append(w)
            except Exception:  # noqa: BLE001  (a message closing, or the program ending)
                continue
        return found

    def answer_alert(self, button, expect=None, timeout=10):
        """Answers the message box now shown with the button named; returns its text."""
        alert = wait_for("a message", lambda: (self.alerts() or [None])[0], timeout)
        said = " ".join(n.name for n in descendants(alert, lambda n: n.getRoleName() == "label"))
        if expect and expect not in said:
            raise Failure(f"the message says '{said}', not '{expect}'")
        press(wait_for(f"the button {button}", lambda: first(alert, named("push button", button))))
        wait_for("the message to close", lambda: gone(alert), 5)
        return said

    def menu(self, path):
        """Runs the command of the menu bar at path ("File", "Exit")."""
        if self.menu_bar is None:
            main = wait_for("the main window", lambda: [
                w for w in self.app if w is not None and w.getRoleName() == "frame" and showing(w)][0])
            self.menu_bar = [c for c in main if c is not None and c.getRoleName() == "menu bar"][0]
        node = self.menu_bar
        for name in path:
            items = [c for c in (node or []) if c is not None and c.getRoleName() == "menu item" and c.name == name]
            if not items:
                items = [c for popup in (node or []) if popup is not None and popup.getRoleName() == "popup menu"
                         for c in popup if c is not None and c.getRoleName() == "menu item" and c.name == name]
            if not items:
                raise Failure("no menu item " + " > ".join(path))
            node = items[0]
        # A command that asks first (Exit) answers the bus only once its message box is closed:
        # it is run beside, and the message answered here.
        threading.Thread(target=press, args=(node,), daemon=True).start()

    def tool(self, name):
        button = wait_for(f"the tool button {name}", lambda: first(self.app, named("push button", name)))
        wait_for(f"{name} to be enabled", lambda: button.getState().contains(pyatspi.STATE_ENABLED))
        press(button)

    def close_window(self, window):
        for name in ("Cancel", "Close", "Done", "OK"):
            button = first(window, named("push button", name))
            if button is not None:
                press(button)
                wait_for(f"'{window.name}' to close", lambda: window not in self.child_windows(), 5)
                return True
        return False  # left open: a window without a button of its own closes with the program

    def log_in(self, name, new):
        select = self.window("Select User", 20)
        edit = wait_for("the name box", lambda: first(select, lambda n: n.getRoleName() == "text"))
        edit.queryEditableText().setTextContents(name)
        press(first(select, named("push button", "OK")))
        if new or not os.path.exists(os.path.join(PROGRAM_DIR, "Users", name + ".219")):
            self.answer_alert("Yes", "I do not have you listed")
        tip = wait_for("the tip of the day", lambda: first(self.app, named("frame", "Tip of the Day")), 10)
        press(first(tip, named("push button", "Close")))
        # The assistant's goodbye at the exit takes seconds; the runs go without it.
        assistant = first(self.app, named("check box", "Assistant"))
        if assistant is not None and assistant.getState().contains(pyatspi.STATE_CHECKED):
            press(assistant)
            wait_for("the assistant off", lambda: not assistant.getState().contains(pyatspi.STATE_CHECKED), 3)

    def exit(self):
        self.menu(("File", "Exit"))
        end = time.monotonic() + 15
        while self.process.poll() is None and time.monotonic() < end:
            try:
                for alert in self.alerts():  # a question on the way out: yes
                    button = first(alert, lambda n: n.getRoleName() == "push button" and n.name in ("Yes", "OK"))
                    if button is not None:
                        press(button)
            except Exception:  # noqa: BLE001  (the program ending under our feet)
                pass
            time.sleep(0.1)
        status = self.wait_exit()
        if status != 0:
            raise Failure(f"the program ended with status {status}")


# --- 1. Names ---


def unnamed_controls(window):
    """The focusable controls shown in window that have no name, described by role and place."""
    found = []
    for node in descendants(window, lambda n: n.getState().contains(pyatspi.STATE_FOCUSABLE)):
        try:
            if node.name.strip() or node.getRoleName() in ("table cell", "list item"):
                continue  # an empty cell speaks through its table's name and its headers
            place = " / ".join(p.name or p.getRoleName() for p in ancestry(node, window))
            found.append(f"{window.name}: {node.getRoleName()} in {place}")
        except Exception:  # noqa: BLE001  (a node that went away while the tree was walked)
            continue
    return found


def ancestry(node, top):
    chain = []
    while node is not None and node != top:
        node = node.parent
        if node is not None and (node.name or node == top):
            chain.append(node)
    return list(reversed(chain))[-2:]


def audit_tabs(window):
    """The unnamed controls of every page of the window's tab lists."""
    found = unnamed_controls(window)
    for tabs in descendants(window, lambda n: n.getRoleName() == "page tab list"):
        pages = [p for p in tabs if p is not None and p.getRoleName() == "page tab"]
        for page in pages[1:] + pages[:1]:
            act(page, "Press", "Switch", "Click")
            time.sleep(0.1)
            found += unnamed_controls(window)
    return found


def audit_every_window():
    program = Program()
    try:
        unnamed = audit_tabs(program.window("Select User", 20))
        program.log_in(AUDITOR, new=True)
        unnamed += unnamed_controls(program.app)  # the main window: menus and tool bar
        audited = ["Select User", "The Scrivolt"]
        for path, title in WINDOWS:
            before = set(program.child_windows())
            program.menu(path)
            opened = wait_for(
                "a window from " + " > ".join(path),
                lambda: [w for w in program.child_windows() if w not in before],
            )
            window = opened[0]
            if title and window.name != title:
                raise Failure(f"{' > '.join(path)} opened '{window.name}', not '{title}'")
            time.sleep(0.2)
            unnamed += audit_tabs(window)
            audited.append(window.name)
            program.close_window(window)
        program.menu(("Help", "Help contents"))
        help_window = wait_for("the help", lambda: [
            w for w in program.app if showing(w) and w.name == "The Scrivolt Help"][0])
        unnamed += unnamed_controls(help_window)
        audited.append(help_window.name)
        # No exit: this person's file is of no interest, and the program ends below.
    finally:
        program.end()
    report("audited: " + ", ".join(audited))
    unnamed = sorted(set(unnamed))
    if unnamed:
        raise Failure("focusable controls without a name:\n  " + "\n  ".join(unnamed))


# --- 2. A study session ---


def user_file():
    with open(os.path.join(PROGRAM_DIR, "Users", PERSON + ".219"), "rb") as f:
        data = f.read()
    if len(data) != USER_FILE_SIZE or data[0] != 219:
        raise Failure(f"the user file has {len(data)} bytes, version {data[0]}")
    return data


def read_out(session, what):
    """The text of the session's read-out that the description names ("Number right")."""
    label = wait_for(f"the read-out {what}", lambda: first(
        session, lambda n: n.getRoleName() == "label" and n.description == what))
    return label.name


def key(keysym_name, control=False):
    """A key pressed on the keyboard, delivered by the accessibility bus's device controller."""
    keyval = Gdk.keyval_from_name(keysym_name)
    if control:
        pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_PRESS)  # Control_L
    pyatspi.Registry.generateKeyboardEvent(keyval, None, pyatspi.KEY_SYM)
    if control:
        pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_RELEASE)


def use_collection(setup, name):
    """Checks the collection of questions named in the set-up dialog's list of collections."""
    item = pyatspi.findDescendant(setup, named("list item", name))
    if item is None:
        raise Failure("no collection " + name)
    if not item.getState().contains(pyatspi.STATE_CHECKED):
        act(item, "Toggle")
    wait_for(name + " checked", lambda: item.getState().contains(pyatspi.STATE_CHECKED), 3)


def open_setup(program, tool, title):
    """The set-up dialog of the tool button named, with all material and the toss-ups chosen."""
    program.tool(tool)
    setup = program.window(title)
    press(wait_for("Select all material", lambda: first(setup, named("push button", "S"))))
    use_collection(setup, "Toss-ups")
    return setup


def study_session():
    program = Program()
    try:
        program.log_in(PERSON, new=True)
        setup = open_setup(program, "Questions", "Study of Questions")
        timed = first(setup, named("check box", "Timed"))
        if timed is not None and timed.getState().contains(pyatspi.STATE_CHECKED):
            press(timed)  # no clock to race
        press(first(setup, named("push button", "OK")))
        session = wait_for("the session window", lambda: [
            w for w in program.child_windows() if first(w, named("push button", "Start"))][0])
        start = wait_for("Start", lambda: first(session, named("push button", "Start")))
        press(start)  # the question
        wait_for("Answer", lambda: first(session, named("push button", "Answer")))
        press(first(session, named("push button", "Answer")))
        right = wait_for("Right enabled", lambda: first(
            session, lambda n: named("push button", "Right")(n) and n.getState().contains(pyatspi.STATE_ENABLED)))
        press(right)
        wait_for("one right", lambda: read_out(session, "Number right") == "1")
        # Undo has no button: Ctrl+Z in the session window, as the help says.
        right.queryComponent().grabFocus()
        time.sleep(0.3)
        key("z", control=True)
        wait_for("the grade undone", lambda: read_out(session, "Number right") == "0")
        wrong = wait_for("Wrong enabled", lambda: first(
            session, lambda n: named("push button", "Wrong")(n) and n.getState().contains(pyatspi.STATE_ENABLED)))
        press(wrong)
        wait_for("one missed", lambda: read_out(session, "Number missed") == "1")
        press(first(session, named("push button", "Quit")))
        program.answer_alert("Yes", "finished answering")  # the session is not over: quit anyway
        program.exit()
    finally:
        program.end()
    knowledge = user_file()[QUESTION_KNOWLEDGE]
    graded = [(i, b) for i, b in enumerate(knowledge) if b != UNTRIED]
    # Right (7 -> 15), undone (back to 7), Wrong (down two levels: 5); a copy of the question in
    # another collection shares its grades.
    if not graded or any(b != 5 for _, b in graded):
        raise Failure(f"the questions graded in the user file are {graded[:5]}, not bytes 5")
    report(f"study session: question bytes (offset, value) {graded}")


# --- 3. A short game ---


def short_game():
    path = os.path.join(PROGRAM_DIR, "Users", PERSON + ".219")
    before = user_file()[KNOWLEDGE] if os.path.exists(path) else bytes([UNTRIED]) * (72200 - 4272)
    program = Program()
    try:
        program.log_in(PERSON, new=False)
        setup = open_setup(program, "One-Way game", "Play The One-Way Game")
        press(first(setup, named("push button", "OK")))
        # The board opens with its cells scattering; then a cell can be picked.
        def playable_cell():
            for window in program.child_windows():
                # A cell says its category, its value and whether it is still open.
                cell = first(window, lambda n: n.getRoleName() == "push button"
                             and n.name.endswith(", 100 points, open")
                             and n.getState().contains(pyatspi.STATE_ENABLED))
                if cell is not None:
                    return window, cell
            return None

        board, cell = wait_for("a cell of 100 on the board", playable_cell, 15)
        press(cell)
        asker = program.window("One-Way Game")
        press(wait_for("Answer", lambda: first(asker, named("push button", "Answer"))))
        right = wait_for("Right enabled", lambda: first(
            asker, lambda n: named("push button", "Right")(n) and n.getState().contains(pyatspi.STATE_ENABLED)))
        press(right)
        # Graded, the question steps aside (minimised) and the board takes the turn.
        wait_for("the grade taken", lambda: not showing(right) or not right.getState().contains(
            pyatspi.STATE_ENABLED))
        press(wait_for("Quit", lambda: first(board, lambda n: n.getRoleName() == "push button" and n.name in (
            "Quit", "Quit game", "Done"))))
        program.answer_alert("Yes")  # the game is not over: quit anyway
        program.exit()
    finally:
        program.end()
    knowledge = user_file()[KNOWLEDGE]
    changed = [(i, b) for i, b in enumerate(knowledge) if b != before[i]]
    # A right answer: an untried question or memory verse to 15, or one missed before up a
    # level (its copies in other collections alike).
    if not changed or any(b not in (15, before[i] + 1) for i, b in changed):
        raise Failure(f"the game's answer changed {changed[:5]} in the user file")
    report(f"game: knowledge bytes (offset, value) {changed}")


def main():
    """Runs the parts named on the command line, or all of them; each part starts the program."""
    parts = {"names": audit_every_window, "study": study_session, "game": short_game}
    started = time.monotonic()
    failures = []
    for name in sys.argv[1:] or list(parts):
        try:
            part_started = time.monotonic()
            parts[name]()
            report(f"ok: {name} ({time.monotonic() - part_started:.1f} s)")
        except Failure as e:
            failures.append(name)
            report(f"FAILED: {name}: {e}")
        except Exception:  # noqa: BLE001  (the next part still runs)
            failures.append(name)
            report(f"FAILED: {name}:\n{traceback.format_exc()}")
    report(f"{time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
