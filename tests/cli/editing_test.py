"""Interactive mode's line editing and history on a terminal, and Ctrl+C on
a terminal and through a pipe. Every run gets its own HOME and XDG folders,
so no test reads or writes the history of the person running them.

    python3 editing_test.py PATH/TO/zentrabel-cli edited|plain

"edited" when the calculator was built with libedit, "plain" without it.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from console_test import DEADLINE, Reader, start_on_terminal, wait_for_editing

CLI = None
EDITED = True
UP, LEFT = b"\x1b[A", b"\x1b[D"
CTRL_C, CTRL_D, CTRL_R = b"\x03", b"\x04", b"\x12"
HISTORY_LINES = 1000  # the bound the calculator promises for its history file


class Folders:
    """A temporary HOME with state and config folders, and the environment
    that points the calculator at them."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="zbl_editing_")
        self.home = os.path.join(self.root, "home")
        self.state = os.path.join(self.root, "state")
        os.mkdir(self.home)
        self.env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        # A terminal type libedit knows, whatever the runner's terminal is.
        self.env.update(HOME=self.home, XDG_STATE_HOME=self.state,
                        XDG_CONFIG_HOME=os.path.join(self.root, "config"), TERM="xterm")

    @property
    def history(self):
        return os.path.join(self.state, "zentrabel", "history")

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Session:
    """One run of the calculator on a pseudo-terminal; `transcript` is all it
    has shown so far."""

    def __init__(self, env):
        self.pid, self.fd, self.name = start_on_terminal([CLI, "--seed", "1"], env)
        self.screen = Reader(self.fd)
        self.transcript = b""
        self.status = None

    def until(self, wanted):
        said = self.screen.until(wanted)
        self.transcript += said
        return said

    def type(self, keys):
        if EDITED:
            wait_for_editing(self.name)
        os.write(self.fd, keys)

    def enter(self, line, answer):
        """Types a line and waits for its answer and the next prompt."""
        self.type(line + b"\r")
        self.until(answer)
        self.until(b"> ")

    def wait_exit(self):
        end = time.monotonic() + DEADLINE
        while time.monotonic() < end:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                self.status = os.waitstatus_to_exitcode(status)
                self.drain()
                return self.status
            time.sleep(0.02)
        raise AssertionError(f"the calculator did not end; it showed {self.transcript + self.screen.pending!r}")

    def drain(self):
        self.transcript += self.screen.pending
        self.screen.pending = b""
        while self.fd is not None:
            try:
                chunk = os.read(self.fd, 4096)
            except OSError:  # the terminal's other end is gone
                return
            if not chunk:
                return
            self.transcript += chunk

    def end(self):
        """Ctrl+D at an empty prompt; the exit status."""
        self.type(CTRL_D)
        return self.wait_exit()

    def hang_up(self):
        """Closes the terminal, as closing its window does."""
        os.close(self.fd)
        self.fd = None

    def close(self):
        if self.status is None:
            try:
                os.kill(self.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            os.waitpid(self.pid, 0)
        if self.fd is not None:
            os.close(self.fd)


class TerminalTest(unittest.TestCase):
    def setUp(self):
        self.folders = Folders()
        self.addCleanup(self.folders.remove)

    def start(self, env=None):
        session = Session(env or self.folders.env)
        self.addCleanup(session.close)
        session.until(b"> ")
        return session

    def history_lines(self):
        with open(self.folders.history, "rb") as file:
            return file.read().splitlines()


class Editing(TerminalTest):
    def setUp(self):
        if not EDITED:
            self.skipTest("built without libedit")
        super().setUp()

    # Rows: what the keys do, lines typed before, the keys, the answer they give.
    KEYS = [
        ("Up recalls the previous line", [b"2+3"], UP + b"\r", b"2+3 = 5"),
        ("Up twice goes back two lines", [b"2+3", b"4*5"], UP + UP + b"\r", b"2+3 = 5"),
        ("a recalled line can be changed", [b"2+3"], UP + b"0\r", b"2+30 = 32"),
        ("Left moves, typing inserts", [], b"2+3" + LEFT + LEFT + b"1\r", b"21+3 = 24"),
        ("Ctrl+R finds an earlier line", [b"6*7", b"1+1"], CTRL_R + b"6*\r", b"6*7 = 42"),
        ("Ctrl+D at the end of a line neither ends nor hangs", [], b"1+1" + CTRL_D + b"\r", b"1+1 = 2"),
        ("Ctrl+D on a character deletes it", [], b"12+3" + LEFT * 3 + CTRL_D + b"\r", b"1+3 = 4"),
        ("a middle dot typed in UTF-8 reaches the calculator", [], "CuSO4\u00b75H2O\r".encode(),
         b"= 249.685"),
    ]

    def test_keys_edit_recall_and_search(self):
        for what, before, keys, answer in self.KEYS:
            with self.subTest(what):
                session = self.start()
                for line in before:
                    session.enter(line, b" = ")
                session.type(keys)
                session.until(answer)
                session.until(b"> ")
                self.assertEqual(session.end(), 0)

    def test_ctrl_c_drops_the_line_being_typed_and_the_session_goes_on(self):
        session = self.start()
        session.enter(b"2+3", b"2+3 = 5")
        for keys in [b"9*9" + CTRL_C, CTRL_C, b"8*8" + LEFT + CTRL_C, CTRL_R + b"2+" + CTRL_C]:
            with self.subTest(keys=keys):
                session.type(keys)
                session.until(b"^C")
                session.until(b"> ")
        session.enter(b"ans*4", b"ans*4 = 20")  # the dropped lines were not calculated
        self.assertEqual(session.end(), 0)
        self.assertNotIn(b"9*9 =", session.transcript)
        self.assertNotIn(b"8*8 =", session.transcript)
        self.assertEqual(self.history_lines(), [b"2+3", b"ans*4"])

    def test_history_survives_a_restart(self):
        first = self.start()
        first.enter(b"6*7", b"6*7 = 42")
        first.enter(b"6*7", b"6*7 = 42")  # a repeat is kept once
        first.enter(b"2^10", b"2^10 = 1024")
        self.assertEqual(first.end(), 0)
        self.assertEqual(self.history_lines(), [b"6*7", b"2^10"])

        second = self.start()
        second.type(UP + UP + b"\r")
        second.until(b"6*7 = 42")
        second.until(b"> ")
        self.assertEqual(second.end(), 0)

    def test_a_closed_terminal_or_sigterm_still_keeps_the_history(self):
        rows = [
            ("the terminal closed", b"6*7", Session.hang_up, signal.SIGHUP),
            ("SIGTERM", b"7*8", lambda session: os.kill(session.pid, signal.SIGTERM), signal.SIGTERM),
        ]
        kept = []
        for how, line, end, number in rows:
            with self.subTest(how):
                session = self.start()
                session.enter(line, line + b" = ")
                end(session)
                self.assertEqual(session.wait_exit(), -number)  # ends by that signal, as its parent expects
                kept.append(line)
                self.assertEqual(self.history_lines(), kept)

    def test_without_xdg_state_home_the_history_is_under_home(self):
        env = dict(self.folders.env)
        del env["XDG_STATE_HOME"]
        session = self.start(env)
        session.enter(b"1+2", b"1+2 = 3")
        self.assertEqual(session.end(), 0)
        folder = os.path.join(self.folders.home, ".local", "state", "zentrabel")  # made with its parents
        self.assertEqual(os.listdir(folder), ["history"])  # nothing left beside it
        with open(os.path.join(folder, "history"), "rb") as file:
            self.assertEqual(file.read(), b"1+2\n")

    def test_the_history_file_stays_bounded(self):
        os.makedirs(os.path.dirname(self.folders.history))
        earlier = [b"1+%d" % i for i in range(1, HISTORY_LINES + 501)]
        with open(self.folders.history, "wb") as file:
            file.write(b"\n".join(earlier) + b"\n")
        session = self.start()
        session.type(UP + b"\r")  # the newest line of the file comes first
        session.until(b"1+1500 = 1501")
        session.until(b"> ")
        session.enter(b"2*2", b"2*2 = 4")
        self.assertEqual(session.end(), 0)
        self.assertEqual(self.history_lines(), earlier[-(HISTORY_LINES - 1):] + [b"2*2"])

    def test_a_state_folder_that_cannot_be_made_gives_one_warning(self):
        with open(self.folders.state, "w"):  # a file where the folder should be
            pass
        session = self.start()
        session.enter(b"2+3", b"2+3 = 5")
        session.enter(b"ans+1", b"ans+1 = 6")
        self.assertEqual(session.end(), 0)
        self.assertEqual(session.transcript.count(b"zentrabel-cli:"), 1, session.transcript)
        self.assertIn(b"no history kept: cannot create " + self.folders.state.encode(), session.transcript)

    def test_a_state_folder_that_cannot_be_written_gives_one_warning(self):
        if os.geteuid() == 0:
            self.skipTest("root writes in any folder")
        os.makedirs(os.path.dirname(self.folders.history))
        os.chmod(os.path.dirname(self.folders.history), 0o500)
        self.addCleanup(os.chmod, os.path.dirname(self.folders.history), 0o700)
        session = self.start()
        session.enter(b"2+3", b"2+3 = 5")
        self.assertEqual(session.end(), 0)
        self.assertEqual(session.transcript.count(b"zentrabel-cli:"), 1, session.transcript)
        self.assertIn(b"no history kept: cannot write in", session.transcript)

    def test_a_line_too_long_for_a_task_is_refused_and_not_kept(self):
        session = self.start()
        session.enter(b"1" * 510, b"Expression is too long !")
        session.enter(b"1" * 509, b" = ")
        self.assertEqual(session.end(), 0)
        self.assertEqual(self.history_lines(), [b"1" * 509])


class PlainTerminal(TerminalTest):
    def setUp(self):
        if EDITED:
            self.skipTest("built with libedit")
        super().setUp()

    def test_ctrl_c_ends_the_session_after_the_answers(self):
        session = self.start()
        session.enter(b"2+3", b"2+3 = 5")
        session.type(b"4*4")
        time.sleep(0.2)
        session.type(CTRL_C)
        self.assertEqual(session.wait_exit(), 130)
        self.assertNotIn(b"4*4 =", session.transcript)

    def test_ctrl_d_inside_a_line_hands_it_over_and_a_second_one_ends(self):
        session = self.start()
        session.type(b"2+3" + CTRL_D)  # the terminal passes the line on without its end
        time.sleep(0.2)
        session.type(CTRL_D)
        self.assertEqual(session.wait_exit(), 0)
        self.assertIn(b"2+3 = 5", session.transcript)


class Pipe(unittest.TestCase):
    def test_ctrl_c_ends_the_session_after_writing_the_answers(self):
        folders = Folders()
        self.addCleanup(folders.remove)
        proc = subprocess.Popen([CLI, "--seed", "1"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, env=folders.env)
        try:
            out = Reader(proc.stdout.fileno())
            proc.stdin.write(b"2+3\n4*4\n")
            proc.stdin.flush()
            self.assertEqual(out.until(b"4*4 = 16\n"), b"2+3 = 5\n4*4 = 16\n")
            proc.stdin.write(b"5*5")  # half a line: dropped, not calculated
            proc.stdin.flush()
            time.sleep(0.2)
            proc.send_signal(signal.SIGINT)
            self.assertEqual(proc.wait(DEADLINE), 130)
            self.assertEqual(out.pending + proc.stdout.read(), b"")
            self.assertEqual(proc.stderr.read(), b"zentrabel-cli: interrupted\n")
            self.assertFalse(os.path.exists(folders.history))  # no history without a terminal
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            for stream in (proc.stdin, proc.stdout, proc.stderr):
                stream.close()


class ClosedOutput(unittest.TestCase):
    def test_a_reader_that_goes_away_ends_the_session_with_a_message(self):
        folders = Folders()
        self.addCleanup(folders.remove)
        proc = subprocess.Popen([CLI, "--seed", "1"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, env=folders.env)
        try:
            out = Reader(proc.stdout.fileno())
            proc.stdin.write(b"2+3\n")
            proc.stdin.flush()
            out.until(b"2+3 = 5\n")
            proc.stdout.close()  # as head -1 does after its line
            proc.stdin.write(b"4*4\n")
            proc.stdin.flush()
            self.assertEqual(proc.wait(DEADLINE), 1)
            self.assertEqual(proc.stderr.read(), b"zentrabel-cli: cannot write to standard output; the session ended\n")
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            for stream in (proc.stdin, proc.stderr):
                try:
                    stream.close()
                except BrokenPipeError:
                    pass


if __name__ == "__main__":
    CLI = os.path.abspath(sys.argv.pop(1))
    EDITED = sys.argv.pop(1) == "edited"
    unittest.main(verbosity=2)
