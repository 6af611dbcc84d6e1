# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""A real screen reader listening to vesk: Orca under the X server, D-Bus
session and AT-SPI bus the caller made (run-bus-test.sh), with a window
manager, its debug log line-buffered and no speech engine. What Orca would
have said is every SPEECH OUTPUT line of that log.

Keys are pressed with xdotool, as a person would press them; after each key
the log is read until Orca has been quiet for a while, so a slow machine
waits longer and a fast one does not sleep for nothing.
"""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established")
# Orca says why it drops an event in these words; each is a fault of ours.
COMPLAINTS = ("bad content sent to speak", "Could not process")
QUIET = 0.6        # seconds without a new log line that end a key's speech
LONGEST = 15.0     # a key whose speech has not ended by then fails


class OrcaFailed(RuntimeError):
    pass


class OrcaSession:
    def __init__(self, vesk, workdir=None, settings_text="", probe=False):
        """Starts Orca, then `vesk`. With `probe`, vesk is the test host,
        whose state probe answers ask() on its standard input and output."""
        self.work = tempfile.mkdtemp(prefix="orca-", dir=workdir)
        self.log_path = os.path.join(self.work, "orca.log")
        self.processes = []
        self.offset = 0
        self.heard = []  # (key, [lines]) for every key pressed, in order
        prefs = os.path.join(self.work, "prefs")
        os.makedirs(prefs)
        # Orca opens its debug file block-buffered; reopened line-buffered,
        # every line is on disk as soon as it is written. No key echo: what
        # is heard is the application's, not the keyboard's.
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write("import orca.debug\n"
                    "import orca.settings\n"
                    "if orca.debug.debugFile:\n"
                    "    orca.debug.debugFile = open(orca.debug.debugFile.name, 'a', buffering=1)\n"
                    "orca.settings.enableKeyEcho = False\n")
        self.home = os.path.join(self.work, "home")
        os.makedirs(os.path.join(self.home, "vesk"))
        if settings_text:
            with open(os.path.join(self.home, "vesk", "vesk.conf"), "w") as f:
                f.write(settings_text)
        self.env = dict(os.environ, HOME=self.work, XDG_CONFIG_HOME=self.home,
                        LC_ALL="C.UTF-8")
        self._start("openbox", ["openbox"])
        self.orca = self._start("orca", ["orca", "-u", prefs, "--debug-file", self.log_path])
        self._wait_for_log("Orca", lambda: "INFO: About to launch Orca" in self._log()
                           and "SPEECH OUTPUT" in self._log(), 30)
        self._settle()
        self.app = self._start("vesk", [vesk], {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                                                "QT_QPA_PLATFORM": "xcb"}, probe)
        self.window = self._wait_for_window()
        subprocess.run(["xdotool", "windowactivate", "--sync", self.window],
                       env=self.env, capture_output=True)
        self.opening = self.wait_until(lambda lines: any("vesk frame" in l for l in lines),
                                       "vesk's window announced")

    def _start(self, name, command, extra=None, probe=False):
        output = open(os.path.join(self.work, name + ".out"), "w")
        pipes = {"stdin": subprocess.PIPE, "stdout": subprocess.PIPE, "stderr": output,
                 "text": True} if probe else {"stdout": output, "stderr": subprocess.STDOUT}
        process = subprocess.Popen(command, env=dict(self.env, **(extra or {})), **pipes)
        process.log_name = name
        self.processes.append(process)
        return process

    def ask(self, command):
        """One question to the test host's state probe, its JSON answer."""
        self.app.stdin.write(command + "\n")
        self.app.stdin.flush()
        line = self.app.stdout.readline()
        if not line:
            raise OrcaFailed(f"vesk ended while asked for {command}: {self._output(self.app)}")
        return json.loads(line)

    def _output(self, process):
        with open(os.path.join(self.work, process.log_name + ".out")) as f:
            return f.read().strip()

    def _log(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def _wait_for_log(self, what, condition, timeout):
        deadline = time.monotonic() + timeout
        while not condition():
            if self.orca.poll() is not None:
                raise OrcaFailed(f"Orca ended with status {self.orca.returncode}: "
                                 f"{self._output(self.orca) or 'it said nothing'}")
            if time.monotonic() > deadline:
                raise OrcaFailed(f"{what} did not start within {timeout} s")
            time.sleep(0.1)

    def _wait_for_window(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self.app.poll() is not None:
                raise OrcaFailed(f"vesk ended with status {self.app.returncode}: "
                                 f"{self._output(self.app)}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(self.app.pid), "--name", "^vesk$"], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.2)
        raise OrcaFailed("vesk's window never showed")

    def _idle(self):
        """Whether Orca has finished every event it began: it marks the
        start and the end of each in its log. Waiting on the application, it
        writes nothing, yet is not done. Counted over the whole log: a wait
        may end between an event's start and its end."""
        with open(self.log_path, "rb") as f:
            log = f.read()
        return log.count(b"\nvvvvv ") == log.count(b"\n^^^^^ ")

    def _unread(self):
        with open(self.log_path, "rb") as f:
            f.seek(self.offset)
            return f.read()

    def _settle(self, enough=None):
        """Waits until Orca is idle and its log has not grown for QUIET
        seconds, or until `enough(text)` holds for what it wrote; returns the
        text written since the last call."""
        deadline = time.monotonic() + LONGEST
        size = -1
        still_since = time.monotonic()
        while True:
            now_size = os.path.getsize(self.log_path) if os.path.exists(self.log_path) else 0
            if now_size != size:
                size = now_size
                still_since = time.monotonic()
                if enough and enough(self._unread().decode("utf-8", errors="replace")):
                    break
            elif time.monotonic() - still_since >= QUIET and self._idle():
                break
            if time.monotonic() > deadline:
                raise OrcaFailed(f"Orca's log did not go quiet within {LONGEST} s")
            time.sleep(0.05)
        new = self._unread()
        self.offset += len(new)
        return new.decode("utf-8", errors="replace")

    @staticmethod
    def speech(text):
        return [m.group(1).replace("\\'", "'") for m in SPEECH.finditer(text)]

    def _take(self, key, text):
        lines = self.speech(text)
        complaints = [l for l in text.splitlines() if any(c in l for c in COMPLAINTS)]
        self.heard.append((key, lines, complaints))
        return lines

    def press(self, key, until=None, timeout=20.0):
        """Presses `key` and returns what Orca said after it: until its log
        goes quiet, or, given `until`, until `until(lines)` holds (a scan
        that ends some seconds later)."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env, check=True)
        deadline = time.monotonic() + timeout
        lines = []
        while True:
            # What is awaited ends the wait at once: a scan's progress keeps
            # the log busy, and the next key may be meant to stop it.
            enough = (lambda text, before=list(lines): until(before + self.speech(text))) \
                if until else None
            lines += self._take(key if not lines else f"{key} (later)", self._settle(enough))
            if until is None or until(lines):
                return lines
            if time.monotonic() > deadline:
                raise OrcaFailed(f"after {key}, never heard what was awaited; heard {lines}")

    def wait_until(self, condition, what, timeout=20.0):
        """Collects speech until `condition(lines)` holds."""
        deadline = time.monotonic() + timeout
        lines = []
        while True:
            lines += self._take("(waiting)", self._settle())
            if condition(lines):
                return lines
            if time.monotonic() > deadline:
                raise OrcaFailed(f"never heard {what}; heard {lines}")

    def complaints(self):
        return [c for _, _, cs in self.heard for c in cs]

    def transcript(self):
        out = []
        for key, lines, complaints in self.heard:
            out.append(f"== {key}")
            out += [f"   {l}" for l in lines]
            out += [f"   !! {c.strip()}" for c in complaints]
        return "\n".join(out)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def remove(self):
        shutil.rmtree(self.work, ignore_errors=True)
