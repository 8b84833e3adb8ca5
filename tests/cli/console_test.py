"""The console calculator as its users meet it: on a terminal and through a
pipe that a partner keeps open, answering each line before the next is sent.

    python3 console_test.py PATH/TO/zentrabel-cli [edited|plain]

"edited" when the calculator was built with libedit, "plain" (the default)
without it.
"""
import fcntl
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import termios
import time
import unittest

CLI = None
EDITED = False
DEADLINE = 10.0  # seconds for an answer; a hang fails instead of blocking ctest


def start_on_terminal(argv, env):
    """Runs argv on a new pseudo-terminal as its controlling terminal.
    Returns the process id, the terminal's master end and its name."""
    master, slave = os.openpty()
    name = os.ttyname(slave)
    pid = os.fork()
    if pid == 0:
        try:
            os.close(master)
            os.setsid()
            fcntl.ioctl(slave, termios.TIOCSCTTY, 0)
            for fd in (0, 1, 2):
                os.dup2(slave, fd)
            os.close(slave)
            os.execve(argv[0], argv, env)
        finally:
            os._exit(127)
    os.close(slave)  # so the master reports the end when the program is gone
    return pid, master, name


def wait_for_editing(name, deadline=DEADLINE):
    """Waits until the line editor has the terminal in raw mode, as it has
    while it waits for keys. Keys sent before that meet the terminal's own
    line discipline (a person never types that fast after a prompt)."""
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        fd = os.open(name, os.O_RDWR | os.O_NOCTTY)
        try:
            canonical = termios.tcgetattr(fd)[3] & termios.ICANON
        finally:
            os.close(fd)
        if not canonical:
            return
        time.sleep(0.01)
    raise AssertionError(f"the line editor did not take the terminal within {deadline} s")


class Reader:
    """What a descriptor has said so far; `until` consumes up to a wanted text."""

    def __init__(self, fd):
        self.fd = fd
        self.pending = b""

    def until(self, wanted, deadline=DEADLINE):
        end = time.monotonic() + deadline
        while wanted not in self.pending:
            left = end - time.monotonic()
            if left <= 0:
                raise AssertionError(f"no {wanted!r} within {deadline} s; got {self.pending!r}")
            ready, _, _ = select.select([self.fd], [], [], left)
            if not ready:
                continue
            try:
                chunk = os.read(self.fd, 4096)
            except OSError:  # the terminal's other end is gone
                chunk = b""
            if not chunk:
                raise AssertionError(f"output ended before {wanted!r}; got {self.pending!r}")
            self.pending += chunk
        cut = self.pending.index(wanted) + len(wanted)
        said, self.pending = self.pending[:cut], self.pending[cut:]
        return said


class PipeKeptOpen(unittest.TestCase):
    """A coprocess: one line written, its answer read, then the next line."""

    def converse(self, args, exchanges):
        proc = subprocess.Popen([CLI, "--seed", "1", *args], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        out = Reader(proc.stdout.fileno())
        try:
            for line, answer in exchanges:
                with self.subTest(mode=args, line=line):
                    proc.stdin.write(line + b"\n")
                    proc.stdin.flush()
                    out.until(answer)
            proc.stdin.close()
            self.assertEqual(proc.wait(DEADLINE), 0)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            proc.stdout.close()

    def test_each_mode_answers_every_line_before_the_next(self):
        cases = [
            ([], [(b"2+3", b"2+3 = 5\n"), (b"ans*2", b"ans*2 = 10\n"), (b"H2O", b"H2O = 18.01528\n")]),
            (["--batch"], [(b"2+3", b"5\n"), (b"ans*2", b"10\n"), (b"#fix 1", b"10.0\n")]),
            (["--trace"], [(b"2+3", b'"szAnswer":"5"'), (b"ans*2", b'"szAnswer":"10"')]),
        ]
        for args, exchanges in cases:
            self.converse(args, exchanges)


def run_cli(args, stdin=b""):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, timeout=DEADLINE)


class Chemistry(unittest.TestCase):
    def test_hydrates_and_look_alike_dots_weigh_what_chemists_expect(self):
        done = run_cli(["--batch"], b"CuSO4*5H2O\nCuSO4\xb75H2O\n2\xb73\nKAl(SO4)2*12H2O\n")
        self.assertEqual(done.stdout.splitlines(), [b"249.685", b"249.685", b"6", b"474.3883986"])

    def test_a_caret_points_at_an_unknown_symbol(self):
        done = run_cli([], b"2*sin(3)+ Xx\nH2O\n")
        self.assertEqual(done.stdout.splitlines(),
                         [b"2*sin(3)+ Xx = Unknown element symbol", b"          ^", b"H2O = 18.01528"])

    def test_composition_exits_1_when_a_formula_is_refused(self):
        cases = [
            (["--composition", "H2O"], 0, b"H2O\n"),
            (["--composition", "--json", "H2O", "Xx"], 1, b'{"formula":"Xx","error":"Unknown element symbol"'),
            (["--composition", "2+3"], 1, b"2+3: Not a chemical formula\n"),
            (["--json", "H2O"], 2, b""),
            (["--composition"], 2, b""),
        ]
        for args, status, output in cases:
            with self.subTest(args=args):
                done = run_cli(args)
                self.assertEqual(done.returncode, status)
                self.assertIn(output, done.stdout)


class Outcomes(unittest.TestCase):
    """Command lines, the dump and equations read alike in every mode."""

    LINES = [b"2+3", b"#4", b"#0", b"#99", b"#20", b"x^2-5x+6", b"5/0"]
    DUMP = b"szTask     = #20; szMaths = 2+3; szResult   = 5; szAnswer  = 5; szMemory  = "
    ANSWERS = [b"5", b"5", b"5", b"5", DUMP, b"x1 = 2; x2 = 3", b"Cannot divide by zero!"]

    def test_argument_and_batch_modes_give_one_line_a_task(self):
        by_arguments = run_cli([line.decode() for line in self.LINES])
        self.assertEqual(by_arguments.stdout.splitlines(), self.ANSWERS)
        self.assertEqual(by_arguments.returncode, 1)  # 5/0 failed
        batch = run_cli(["--batch"], b"\n".join(self.LINES) + b"\n")
        self.assertEqual(batch.stdout.splitlines(), self.ANSWERS)
        self.assertEqual(batch.returncode, 0)

    def test_interactive_mode_shows_them_as_the_history_does(self):
        done = run_cli([], b"\n".join(self.LINES) + b"\n")
        self.assertEqual(done.stdout.splitlines(), [
            b"2+3 = 5", b"#4 = 5", b"#0 = 5", b"#99 = 5",
            b"szTask     = #20", b"szMaths = 2+3", b"szResult   = 5", b"szAnswer  = 5", b"szMemory  = ",
            b"x^2-5x+6 = 0", b"x1 = 2", b"x2 = 3", b"5/0 = Cannot divide by zero!"])

    def test_a_closed_output_ends_the_batch_with_a_message(self):
        proc = subprocess.Popen([CLI, "--batch"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        proc.stdout.close()  # as "| head -1" does once it has its line
        _, err = proc.communicate(b"2+3\n" * 100000, timeout=DEADLINE)
        self.assertEqual(proc.returncode, 1)
        self.assertIn(b"cannot write to standard output", err)

    def test_exit_status_tells_scripts_what_happened(self):
        cases = [
            (["2+3", "4*5"], 0, b"5\n20\n"),
            (["2+3", "#xyz"], 1, b"5\nUnknown # command\n"),
            (["-2^2"], 0, b"4\n"),            # a task may begin with "-"
            (["--", "--3"], 0, b"3\n"),        # "--" ends the options
            (["--bogus"], 2, b""),
            (["--seed"], 2, b""),
            (["--seed", "x", "1"], 2, b""),
            (["--batch", "2+3"], 2, b""),
        ]
        for args, status, output in cases:
            with self.subTest(args=args):
                done = run_cli(args)
                self.assertEqual(done.returncode, status)
                self.assertEqual(done.stdout, output)
                self.assertEqual(done.stderr == b"", status != 2)  # only usage errors go to standard error


class Text(unittest.TestCase):
    """UTF-8 in and out, as a terminal or a file of today gives it."""

    def test_pasted_operators_calculate_as_in_the_window(self):
        done = run_cli([], "2×3\n8÷2\n2·3\n".encode())
        self.assertEqual(done.stdout.splitlines(), [b"2*3 = 6", b"8/2 = 4", b"2*3 = 6"])

    def test_every_mode_reads_utf8_and_writes_it(self):
        lines = ["H₂O", "☃+1", "1/∞", "5−3", "Qqé"]
        batch = run_cli(["--batch"], "\n".join(lines).encode() + b"\n")
        self.assertEqual(batch.stdout.decode().splitlines(), [
            "18.01528", "Character U+2603 (☃) cannot be calculated",
            "Character U+221E (∞) cannot be calculated", "2", "Unknown element symbol"])
        by_arguments = run_cli(lines)
        self.assertEqual(by_arguments.stdout, batch.stdout)
        self.assertEqual(by_arguments.returncode, 1)
        interactive = run_cli([], "Qqé\n".encode())
        self.assertEqual(interactive.stdout.decode(), "Qqé = Unknown element symbol\n^\n")

    def test_bytes_that_are_no_utf8_are_taken_as_they_are(self):
        done = run_cli(["--batch"], b"2\xd73\n\xef\xbb\xbf4*5\n")
        self.assertEqual(done.stdout, b"6\n20\n")
        trace = run_cli(["--trace"], "2×3\n".encode())  # the trace keeps the bytes
        self.assertIn(b'"input":"2\\u00C3\\u00973"', trace.stdout)


class Terminal(unittest.TestCase):
    """Interactive mode on a pseudo-terminal, typed as a person types."""

    def setUp(self):
        # A home of its own, so the history is not the tester's.
        home = tempfile.mkdtemp(prefix="zbl_console_")
        self.addCleanup(shutil.rmtree, home, ignore_errors=True)
        env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        env.update(HOME=home, TERM="xterm")
        self.pid, self.fd, self.name = start_on_terminal([CLI, "--seed", "1"], env)
        self.screen = Reader(self.fd)
        self.screen.until(b"> ")

    def tearDown(self):
        try:
            os.kill(self.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        try:
            os.waitpid(self.pid, 0)
        except ChildProcessError:
            pass
        os.close(self.fd)

    def type(self, keys):
        if EDITED:
            wait_for_editing(self.name)
        os.write(self.fd, keys)

    def wait_exit(self):
        end = time.monotonic() + DEADLINE
        while time.monotonic() < end:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                return os.waitstatus_to_exitcode(status)
            time.sleep(0.02)
        self.fail("the calculator did not end")

    def test_answers_each_line_as_it_is_entered(self):
        for keys, answer in [(b"2+3\r", b"2+3 = 5"), (b"ans*4\r", b"ans*4 = 20"), (b"#4\r", b"#4")]:
            with self.subTest(keys=keys):
                self.type(keys)
                self.screen.until(answer)
                self.screen.until(b"> ")

    def test_ctrl_d_at_an_empty_prompt_ends_the_session(self):
        self.type(b"1+1\r")
        self.screen.until(b"1+1 = 2")
        self.screen.until(b"> ")
        self.type(b"\x04")
        self.assertEqual(self.wait_exit(), 0)


if __name__ == "__main__":
    CLI = os.path.abspath(sys.argv.pop(1))
    if len(sys.argv) > 1 and sys.argv[1] in ("edited", "plain"):
        EDITED = sys.argv.pop(1) == "edited"
    unittest.main(verbosity=2)
