#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""Checks that each font the build embeds has its source's creation and
modification times, so that the build's output does not depend on when it ran.

Usage: check-font-timestamps.py BUILT SOURCE [BUILT SOURCE ...]
"""

import sys

from fontTools.ttLib import TTFont


def main(paths):
    if not paths or len(paths) % 2:
        sys.exit(__doc__.strip())
    failures = 0
    for built, source in zip(paths[::2], paths[1::2]):
        ours, theirs = TTFont(built)["head"], TTFont(source)["head"]
        for field in ("created", "modified"):
            if getattr(ours, field) != getattr(theirs, field):
                print(f"{built}: {field} {getattr(ours, field)}, "
                      f"source {getattr(theirs, field)}")
                failures += 1
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(sys.argv[1:])
