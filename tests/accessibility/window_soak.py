# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""Resident memory of the real vesk window over a long run of section
switches, driven from outside with the keyboard (Ctrl+1 … Ctrl+7 through
xdotool) on Xvfb. Not part of the test command: scripts/soak-window.sh.

    window_soak.py VESK [SWITCHES]
"""

import os
import subprocess
import sys
import tempfile
import time


def resident_mib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def main(vesk, total=6000):
    home = tempfile.mkdtemp(dir=os.environ.get("VESK_A11Y_WORKDIR"))
    env = dict(os.environ, XDG_CONFIG_HOME=home, QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen([vesk], env=env)
    try:
        window = None
        while window is None:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(app.pid), "--name", "^vesk$"],
                                   capture_output=True, text=True).stdout.split()
            window = found[0] if found else None
            time.sleep(0.2)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        time.sleep(1)
        print(f"start: {resident_mib(app.pid):.2f} MiB", flush=True)
        done = 0
        while done < total:
            batch = [f"ctrl+{(done + i) % 7 + 1}" for i in range(100)]
            subprocess.run(["xdotool", "key", "--delay", "8", *batch], check=True)
            done += len(batch)
            if done % 1000 == 0:
                time.sleep(1)  # let the last switches paint
                print(f"after {done} switches: {resident_mib(app.pid):.2f} MiB", flush=True)
    finally:
        app.terminate()
        app.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 6000))
