# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""A short session of the real vesk on a real X server, driven by the
keyboard: every section, the settings window, a scan started and left
running, and Quit. Passes when vesk ends by itself with status 0, which under
the sanitizer build also means no report at exit.

    gui_session.py VESK
"""

import os
import subprocess
import sys
import tempfile
import time


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.split()


def main(vesk):
    home = tempfile.mkdtemp(dir=os.environ.get("VESK_A11Y_WORKDIR"))
    env = dict(os.environ, XDG_CONFIG_HOME=home, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
    app = subprocess.Popen([vesk], env=env)
    try:
        window = None
        deadline = time.monotonic() + 30
        while window is None and time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(app.pid), "--name", "^vesk$"],
                                   capture_output=True, text=True).stdout.split()
            window = found[0] if found else None
            time.sleep(0.2)
        if window is None:
            print("FAIL the main window never showed")
            return 1
        xdotool("windowfocus", "--sync", window)

        def keys(*names):
            xdotool("key", "--clearmodifiers", "--delay", "60", *names)
            time.sleep(0.3)

        for _ in range(2):
            keys(*[f"ctrl+{n}" for n in range(1, 8)])
        keys("ctrl+2", "Tab", "Tab", "Tab", "Tab", "space")  # into the cleanup screen
        keys("ctrl+comma")
        time.sleep(0.5)
        keys("Escape")
        xdotool("windowfocus", "--sync", window)
        keys("ctrl+3", "ctrl+4", "ctrl+5")
        keys("ctrl+q")
        code = app.wait(60)
    except subprocess.TimeoutExpired:
        print("FAIL vesk did not quit")
        app.kill()
        app.wait()
        return 1
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
    print(f"{'PASS' if code == 0 else 'FAIL'} vesk quit with status {code}")
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
