#!/usr/bin/python3
"""One drill on the real desktop stack, driven as a screen reader drives it.

The program runs on an X server (Xvfb), with a private session bus and at-spi2-core's
accessibility bus. The script finds the controls through AT-SPI by their accessible
names, opens a sample dictionary through OPEN and the file dialog, answers one question
right, reads the score line back and quits with the caption's OK. Then, with Remember
progress on, it answers the first questions of the sample named on the command line, kills
the program outright, finds every answer in the store, and starts the program again, which
goes on with the next new word.

Usage: atspi_drill.py PROGRAM EXAMPLES_DIR

Everything it starts runs in one process group of its own, which is ended on the way
out, whether the drill passed, failed or was interrupted.
"""

import os
import select
import shutil
import signal
import sqlite3
import struct
import subprocess
import sys
import tempfile
import time

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError):
    Atspi = None

DRILL_SECONDS = 150
WAIT_SECONDS = 30
CALL_MILLISECONDS = 5000
POLL_SECONDS = 0.05
SCREEN = "1280x1024x24"
SAMPLE = "english-vocabulary"
SAMPLE_WORDS = 73
REMEMBERED_ANSWERS = 3
INNER_FLAG = "--in-session"
REQUIRED_TOOLS = {
    "Xvfb": "xvfb",
    "dbus-run-session": "dbus-daemon",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
}


class DrillFailure(Exception):
    pass


def wait_for(what, probe, seconds=WAIT_SECONDS):
    """Polls probe until it gives something true, for at most `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise DrillFailure(f"gave up after {seconds} s waiting for {what}")
        time.sleep(POLL_SECONDS)


def exit_on_signals():
    """Turns the usual stop signals into an exit, so that the clean-up still runs."""

    def leave(signum, _frame):
        raise SystemExit(128 + signum)

    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, leave)


# Outside the session: check the tools, start the session, end it.


def missing_prerequisites():
    missing = [
        f"{tool} (Debian package {package})"
        for tool, package in REQUIRED_TOOLS.items()
        if not shutil.which(tool)
    ]
    if Atspi is None:
        missing.append("the AT-SPI bindings for Python (gir1.2-atspi-2.0, python3-gi)")
    return missing


def live_members(group):
    """Processes of the group that have not exited (a zombie has)."""
    members = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[2]) == group and fields[0] != "Z":
            members.append(int(entry))
    return members


def end_group(group):
    """Ends every process of the group: politely first, then for sure."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(group, sig)
        except ProcessLookupError:
            return
        try:
            wait_for("the drill's processes to end", lambda: not live_members(group), 10)
            return
        except DrillFailure:
            continue
    raise DrillFailure(f"processes {live_members(group)} outlived SIGKILL")


def run_outside(program, examples):
    missing = missing_prerequisites()
    if missing:
        print("The desktop drill cannot run; missing: " + "; ".join(missing), file=sys.stderr)
        print("scripts/install-deps installs them.", file=sys.stderr)
        return 1
    exit_on_signals()
    with tempfile.TemporaryDirectory(prefix="zantoli-drill-") as scratch:
        # A home and runtime folder of its own, so that no desktop, instance or setting
        # of the user's takes part; the accessibility bus keeps its settings in memory.
        home = os.path.join(scratch, "home")
        runtime = os.path.join(scratch, "runtime")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)
        env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("XDG_", "DBUS_", "AT_SPI_", "QT_"))
            and key not in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY")
        }
        # Nothing listens at this speech server address, so the lists opened start none,
        # which would outlive the drill.
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, GSETTINGS_BACKEND="memory",
                   SPEECHD_ADDRESS="inet_socket:127.0.0.1:1")
        session = subprocess.Popen(
            ["dbus-run-session", "--", sys.executable, __file__, INNER_FLAG, program, examples],
            env=env,
            start_new_session=True,
        )
        try:
            return session.wait(DRILL_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"desktop drill failed: not done after {DRILL_SECONDS} s", file=sys.stderr)
            return 1
        finally:
            end_group(session.pid)
            session.wait()


# Inside the session: the X server, the program and the drill.


def start_x_server(started):
    """Starts Xvfb on a free display; gives its display name and authority file."""
    # A cookie for whatever display number the server picks keeps it private to the drill.
    authority = os.path.join(os.environ["XDG_RUNTIME_DIR"], "Xauthority")
    with open(authority, "wb") as file:
        file.write(struct.pack(">H", 0xFFFF))  # any address
        for field in (b"", b"", b"MIT-MAGIC-COOKIE-1", os.urandom(16)):
            file.write(struct.pack(">H", len(field)) + field)
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN]
        + ["-nolisten", "tcp", "-auth", authority],
        pass_fds=(write_end,),
    )
    started.append(server)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + WAIT_SECONDS
    while not number.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
            raise DrillFailure("Xvfb did not report its display")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise DrillFailure(f"Xvfb exited with status {server.wait()}")
        number += chunk
    os.close(read_end)
    return ":" + number.decode().strip(), authority


def announce_screen_reader():
    """Says on the session bus that a screen reader runs, as one does when it starts.

    Toolkits turn their accessibility on when they see it.
    """
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    status = GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                    GLib.Variant("b", True)))
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  status, None, Gio.DBusCallFlags.NONE, WAIT_SECONDS * 1000, None)


def read_sample(path):
    """The words of a list in the dictionary's text form, in order, and each one's meanings."""
    with open(path, encoding="utf-8") as file:
        lines = [line.rstrip() for line in file]
    lines = [line for line in lines if line and not line.startswith(";")]
    meanings = {}
    for word, meaning in zip(lines[0::2], lines[1::2]):
        meanings.setdefault(word, set()).add(meaning)
    return lines[0::2], meanings


class ScreenReader:
    """What a screen reader sees of one application: controls found by role and name."""

    def __init__(self, program):
        Atspi.init()
        Atspi.set_timeout(CALL_MILLISECONDS, WAIT_SECONDS * 1000)
        desktop = Atspi.get_desktop(0)
        # Every question goes to the program itself, never to a copy that may be stale.
        desktop.set_cache_mask(Atspi.Cache.NONE)
        self.desktop = desktop
        self.program = program
        self.application = self.wait("the program on the accessibility bus", self._application)

    def _application(self):
        for index in range(self.desktop.get_child_count()):
            candidate = self.desktop.get_child_at_index(index)
            if candidate and candidate.get_process_id() == self.program.pid:
                return candidate
        return None

    def windows(self):
        children = (self.application.get_child_at_index(index)
                    for index in range(self.application.get_child_count()))
        return [child for child in children if child]

    @staticmethod
    def descendants(root):
        stack = [root]
        while stack:
            node = stack.pop()
            yield node
            stack.extend(
                child for child in (node.get_child_at_index(index)
                                    for index in range(node.get_child_count()))
                if child)

    def find(self, root, role, accepts_name):
        for node in self.descendants(root):
            if node.get_role() == role and accepts_name(node.get_name()):
                return node
        return None

    def wait(self, what, probe):
        """wait_for, where a window that closes while it is looked at counts as "not yet"."""

        def tolerant_probe():
            status = self.program.poll()
            if status is not None:
                raise DrillFailure(f"the program exited with status {status} "
                                   f"while the drill waited for {what}")
            try:
                return probe()
            except GLib.Error:
                return None

        return wait_for(what, tolerant_probe)

    def wait_find(self, what, role, accepts_name, within=None):
        return self.wait(what, lambda: next(
            filter(None, (self.find(window, role, accepts_name)
                          for window in ([within] if within else self.windows()))), None))

    def wait_window(self, what, role, holding):
        """A top-level window of the role holding a descendant that `holding` accepts."""
        return self.wait(what, lambda: next(
            (window for window in self.windows()
             if window.get_role() == role and any(map(holding, self.descendants(window)))),
            None))

    @staticmethod
    def press(button):
        # A push button's first action is its press.
        if button.get_n_actions() < 1 or not button.do_action(0):
            raise DrillFailure(f"the button {button.get_name()!r} cannot be pressed")

    @staticmethod
    def text(control):
        return control.get_text(0, -1)

    def expect_text(self, field, expected):
        try:
            self.wait(f"{field.get_name()!r} to read {expected!r}",
                      lambda: self.text(field) == expected)
        except DrillFailure as failure:
            raise DrillFailure(f"{failure}; it reads {self.text(field)!r}") from None

    def button(self, name, within=None):
        return self.wait_find(f"the button {name!r}", Atspi.Role.PUSH_BUTTON,
                              lambda found: found == name, within)

    def field(self, name, within=None):
        return self.wait_find(f"the field {name!r}", Atspi.Role.TEXT,
                              lambda found: found == name, within)

    def dismiss_message(self, message):
        """Checks that a message box says `message` and answers it with OK."""
        box = self.wait_window(
            f"a message box saying {message!r}", Atspi.Role.ALERT,
            lambda node: node.get_role() == Atspi.Role.LABEL and node.get_name() == message)
        self.press(self.button("OK", within=box))
        self.wait(f"the message box {message!r} to close",
                  lambda: all(window.get_role() != Atspi.Role.ALERT for window in self.windows()))


class MainWindow:
    """The main window's controls, as a screen reader finds them."""

    def __init__(self, reader):
        self.reader = reader
        self.window = reader.wait_window(
            "the main window", Atspi.Role.DIALOG,
            lambda node: node.get_name() == "Open a dictionary")
        self.question = reader.field("Question", self.window)
        self.lines = [reader.field(f"Line {slot}", self.window) for slot in range(1, 7)]
        self.score = reader.field("Score", self.window)

    def next_question(self):
        """Draws the next question; gives its word."""
        reader = self.reader
        shown = reader.text(self.question)
        reader.press(reader.button("Start or next question", self.window))
        return reader.wait("a question",
                           lambda: reader.text(self.question) != shown
                           and reader.text(self.question))

    def answer_right(self, word, meanings):
        """Presses the line that belongs to the word; gives that line's number and text."""
        choices = [self.reader.text(line) for line in self.lines]
        if word not in meanings:
            raise DrillFailure(f"the question {word!r} is no word of the list")
        right = [slot for slot, choice in enumerate(choices, 1) if choice in meanings[word]]
        if len(right) != 1:
            raise DrillFailure(f"{word!r}: expected one right line among {choices}, "
                               f"found {right}")
        slot = right[0]
        # The choice button's name carries its line, so a listener knows what it answers.
        self.reader.press(self.reader.button(f"Choice {slot}: {choices[slot - 1]}",
                                             self.window))
        self.reader.dismiss_message("OK~ RIGHT!")
        return slot, choices[slot - 1]

    def quit(self):
        # Quit as a user does: the OK in the caption bar.
        self.reader.press(self.reader.button("OK", self.window))


def drill(reader, examples):
    main = MainWindow(reader)

    reader.press(reader.button("Open a dictionary", main.window))
    chooser = reader.wait_window(
        "the file dialog", Atspi.Role.DIALOG,
        lambda node: node.get_role() == Atspi.Role.TEXT and node.get_name() == "File name:")
    file_name = reader.field("File name:", chooser)
    if not file_name.set_text_contents(os.path.join(examples, SAMPLE + ".dic")):
        raise DrillFailure("the file dialog's name field takes no text")
    open_button = reader.button("Open", chooser)
    reader.wait("the file dialog's Open button to take the name",
                lambda: open_button.get_state_set().contains(Atspi.StateType.ENABLED))
    reader.press(open_button)
    reader.dismiss_message(f"This dictionary contains {SAMPLE_WORDS} words.")

    word = main.next_question()
    _, meanings = read_sample(os.path.join(examples, SAMPLE + ".txt"))
    slot, meaning = main.answer_right(word, meanings)
    reader.expect_text(main.score, "No.1, R=1, W=0, Score=100.00")
    reader.expect_text(main.lines[slot - 1], f"{word}={meaning}")
    print(f"answered {word!r} with line {slot}; score line {reader.text(main.score)!r}")
    main.quit()


def start_on_sample(program, env, examples):
    """The program started on the sample list, the list loaded."""
    trainer = subprocess.Popen([program, os.path.join(examples, SAMPLE + ".dic")], env=env,
                               cwd=os.environ["HOME"])
    reader = ScreenReader(trainer)
    main = MainWindow(reader)
    reader.dismiss_message(f"This dictionary contains {SAMPLE_WORDS} words.")
    return trainer, main


def remembered_drill(program, env, examples, started):
    """With Remember progress on, new words come in list order; answers whose reveal was
    shown survive a kill, and the next start goes on with the next new word."""
    config = os.path.join(os.environ["HOME"], ".config", "zantoli")
    os.makedirs(config, 0o700)
    with open(os.path.join(config, "zantoli.conf"), "w", encoding="utf-8") as file:
        file.write("[Progress]\nRemember=1\n")
    words, meanings = read_sample(os.path.join(examples, SAMPLE + ".txt"))

    trainer, main = start_on_sample(program, env, examples)
    started.append(trainer)
    for number in range(REMEMBERED_ANSWERS):
        word = main.next_question()
        if word != words[number]:
            raise DrillFailure(f"new question {number + 1} is {word!r}, not {words[number]!r}")
        main.answer_right(word, meanings)
    trainer.kill()
    trainer.wait()

    store = os.path.join(os.environ["HOME"], ".local", "share", "zantoli", "progress.sqlite")
    with sqlite3.connect(store) as connection:
        kept = connection.execute("SELECT count(*) FROM answers").fetchone()[0]
    if kept != REMEMBERED_ANSWERS:
        raise DrillFailure(f"the store keeps {kept} answers after the kill, "
                           f"not {REMEMBERED_ANSWERS}")

    trainer, main = start_on_sample(program, env, examples)
    started.append(trainer)
    word = main.next_question()
    if word != words[REMEMBERED_ANSWERS]:
        raise DrillFailure(f"after the restart the question is {word!r}, "
                           f"not the next new word {words[REMEMBERED_ANSWERS]!r}")
    print(f"{kept} answers survived the kill; the restart asks {word!r}")
    main.quit()
    return trainer.wait(WAIT_SECONDS)


def end_processes(started):
    for process in reversed(started):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def run_inside(program, examples):
    exit_on_signals()
    started = []
    try:
        display, authority = start_x_server(started)
        announce_screen_reader()
        env = dict(os.environ, DISPLAY=display, XAUTHORITY=authority, QT_QPA_PLATFORM="xcb")
        # Started in the empty home, the file dialog opens on a folder with nothing in it.
        trainer = subprocess.Popen([program], env=env, cwd=os.environ["HOME"])
        started.append(trainer)
        drill(ScreenReader(trainer), examples)
        status = trainer.wait(WAIT_SECONDS)
        if status != 0:
            raise DrillFailure(f"the program exited with status {status}")
        status = remembered_drill(program, env, examples, started)
        if status != 0:
            raise DrillFailure(f"the program exited with status {status} after the restart")
        return 0
    except (DrillFailure, subprocess.TimeoutExpired, GLib.Error) as failure:
        print(f"desktop drill failed: {failure}", file=sys.stderr)
        return 1
    finally:
        end_processes(started)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == INNER_FLAG:
        sys.exit(run_inside(sys.argv[2], sys.argv[3]))
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(run_outside(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])))
