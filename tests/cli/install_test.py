"""cmake --install puts zentrabel-cli and its manual page where a system keeps
them, and the manual and --help name the same options.

    python3 install_test.py BUILD_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = None


def options_in(text):
    return set(re.findall(r"(?<![\w-])--[a-z][a-z-]*", text))


class Install(unittest.TestCase):
    def setUp(self):
        self.prefix = tempfile.TemporaryDirectory()
        subprocess.run(["cmake", "--install", BUILD, "--prefix", self.prefix.name], check=True,
                       capture_output=True, timeout=60)

    def tearDown(self):
        self.prefix.cleanup()

    def test_program_and_manual_page_are_installed(self):
        program = os.path.join(self.prefix.name, "bin", "zentrabel-cli")
        manual = os.path.join(self.prefix.name, "share", "man", "man1", "zentrabel-cli.1")
        self.assertTrue(os.access(program, os.X_OK))
        self.assertEqual(subprocess.run([program, "2+3"], capture_output=True).stdout, b"5\n")
        self.assertTrue(os.path.isfile(manual))
        if shutil.which("man"):
            shown = subprocess.run(["man", "-l", manual], capture_output=True, env=dict(os.environ, MANWIDTH="80"))
            self.assertEqual(shown.stderr, b"")  # no troff warnings
            self.assertIn(b"zentrabel-cli", shown.stdout)

    def test_help_and_manual_name_the_same_options(self):
        program = os.path.join(self.prefix.name, "bin", "zentrabel-cli")
        manual = os.path.join(self.prefix.name, "share", "man", "man1", "zentrabel-cli.1")
        usage = subprocess.run([program, "--help"], capture_output=True, text=True).stdout
        with open(manual) as f:
            page = f.read().replace("\\-", "-")
        in_page = {option for option in options_in(page)}
        self.assertEqual(options_in(usage), in_page)


if __name__ == "__main__":
    BUILD = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
