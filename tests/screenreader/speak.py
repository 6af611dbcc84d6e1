# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""Presses keys in vesk with Orca listening and prints what Orca said after
each, for scripts/orca-session.sh.

    speak.py VESK KEY...
"""

import sys

from orca_session import OrcaFailed, OrcaSession


def main(vesk, keys):
    try:
        orca = OrcaSession(vesk)
    except OrcaFailed as e:
        print(f"Orca could not start: {e}", file=sys.stderr)
        return 1
    try:
        for key in keys:
            orca.press(key)
    except OrcaFailed as e:
        print(orca.transcript())
        print(f"Stopped: {e}", file=sys.stderr)
        return 1
    finally:
        orca.close()
    print(orca.transcript())
    orca.remove()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
