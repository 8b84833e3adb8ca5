"""The console calculator's settings file: a person's settings last between
sessions on a terminal; scripts start from the defaults unless they name a
file.

    python3 settings_test.py PATH/TO/zentrabel-cli
"""
import os
import select
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import console_test  # noqa: E402  (the terminal helpers)

CLI = None
DEADLINE = 10.0
RADIANS = b"0.893996663600556"  # sin(90) in radians


class Session:
    """zentrabel-cli on a pseudo-terminal with its own configuration folder."""

    def __init__(self, env, args=()):
        self.pid, self.fd, self.name = console_test.start_on_terminal([CLI, *args], env)
        self.seen = b""
        self.until(b"> ")

    def until(self, wanted):
        end = time.monotonic() + DEADLINE
        while wanted not in self.seen:
            left = end - time.monotonic()
            if left <= 0:
                raise AssertionError(f"no {wanted!r} within {DEADLINE} s; got {self.seen!r}")
            ready, _, _ = select.select([self.fd], [], [], left)
            if ready:
                try:
                    chunk = os.read(self.fd, 4096)
                except OSError:
                    chunk = b""
                if not chunk:
                    raise AssertionError(f"output ended before {wanted!r}; got {self.seen!r}")
                self.seen += chunk
        return self.seen

    def wait_for_editing(self):
        if console_test.EDITED:
            console_test.wait_for_editing(self.name)

    def type(self, line):
        self.wait_for_editing()
        os.write(self.fd, line + b"\r")
        self.until(line + b" = ")
        self.until(b"> ")

    def end(self):
        self.wait_for_editing()
        os.write(self.fd, b"\x04")
        end = time.monotonic() + DEADLINE
        while time.monotonic() < end:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                # Whatever is still on its way to the terminal.
                try:
                    while select.select([self.fd], [], [], 0.1)[0]:
                        chunk = os.read(self.fd, 4096)
                        if not chunk:
                            break
                        self.seen += chunk
                except OSError:
                    pass
                os.close(self.fd)
                return os.waitstatus_to_exitcode(status)
            time.sleep(0.02)
        os.kill(self.pid, signal.SIGKILL)
        raise AssertionError("the calculator did not end")


class SettingsFile(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        self.env.update(HOME=self.folder.name, XDG_CONFIG_HOME=self.folder.name + "/config",
                        XDG_STATE_HOME=self.folder.name + "/state", TERM="xterm")
        self.file = self.folder.name + "/config/zentrabel/zbl.cfg"

    def tearDown(self):
        self.folder.cleanup()

    def pipe(self, args, stdin):
        return subprocess.run([CLI, *args], input=stdin, capture_output=True, env=self.env, timeout=DEADLINE)

    def test_settings_last_from_one_terminal_session_to_the_next(self):
        first = Session(self.env)
        first.type(b"#deg")
        first.type(b"sin(90)")
        self.assertIn(b"sin(90) = 1\r\n", first.seen)
        self.assertEqual(first.end(), 0)
        with open(self.file, "rb") as saved:
            self.assertIn(b"#deg", saved.read())

        second = Session(self.env)
        second.type(b"sin(90)")
        self.assertIn(b"sin(90) = 1\r\n", second.seen)
        self.assertEqual(second.end(), 0)

    def test_scripts_start_from_the_defaults_unless_they_name_a_file(self):
        os.makedirs(os.path.dirname(self.file))
        with open(self.file, "wb") as f:
            f.write(b"#deg\r\n#fix 3\r\n")
        cases = [
            (["--batch"], RADIANS),
            ([], b"sin(90) = " + RADIANS),
            (["sin(90)"], RADIANS),
            (["--trace"], b'"szAnswer":"' + RADIANS),
            (["--config", self.file, "--batch"], b"1.000"),
            (["--config", self.file, "sin(90)"], b"1.000"),
        ]
        for args, answer in cases:
            with self.subTest(args=args):
                done = self.pipe(args, b"sin(90)\n" if "sin(90)" not in args else b"")
                self.assertIn(answer, done.stdout)
                self.assertEqual(done.stderr, b"")

    def test_no_config_starts_a_terminal_session_from_the_defaults(self):
        os.makedirs(os.path.dirname(self.file))
        with open(self.file, "wb") as f:
            f.write(b"#deg\n")
        session = Session(self.env, ["--no-config"])
        session.type(b"sin(90)")
        self.assertIn(b"sin(90) = " + RADIANS, session.seen)
        session.type(b"#grad")
        self.assertEqual(session.end(), 0)
        with open(self.file, "rb") as f:
            self.assertEqual(f.read(), b"#deg\n")  # not written

    def test_a_damaged_file_gives_one_warning_and_is_left_alone(self):
        os.makedirs(os.path.dirname(self.file))
        damaged = b"#deg\n\x00\xff\x13garbage\n"
        with open(self.file, "wb") as f:
            f.write(damaged)
        session = Session(self.env)
        session.type(b"sin(90)")
        session.type(b"#grad")
        self.assertEqual(session.end(), 0)
        self.assertEqual(session.seen.count(b"zentrabel-cli: "), 1)
        self.assertIn(b"sin(90) = " + RADIANS, session.seen)
        with open(self.file, "rb") as f:
            self.assertEqual(f.read(), damaged)

    def test_an_unwritable_folder_gives_a_warning_and_the_answers_stand(self):
        env = dict(self.env, XDG_CONFIG_HOME="/dev/null/config")
        session = Session(env)
        session.type(b"#deg")
        session.type(b"sin(90)")
        self.assertEqual(session.end(), 0)
        self.assertIn(b"sin(90) = 1", session.seen)
        self.assertIn(b"zentrabel-cli: /dev/null/config/zentrabel/zbl.cfg: the settings could not be saved", session.seen)


if __name__ == "__main__":
    CLI = os.path.abspath(sys.argv.pop(1))
    console_test.EDITED = len(sys.argv) > 1 and sys.argv.pop(1) == "edited"
    unittest.main(verbosity=2)
