#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""Checks the macOS bundle's generated files where no Mac is at hand: the
rendered Info.plist through a plist parser, and the .icns container entry by
entry, each a PNG of the size its type stands for.

    check-bundle.py INFO_PLIST ICNS APP_ID VERSION [DEPLOYMENT_TARGET]
"""
import plistlib
import re
import shutil
import struct
import subprocess
import sys

# The four-letter types of PNG icon entries and the side each stands for.
PNG_TYPES = {
    b"icp4": 16, b"icp5": 32, b"icp6": 64, b"ic07": 128, b"ic08": 256,
    b"ic09": 512, b"ic10": 1024, b"ic11": 32, b"ic12": 64, b"ic13": 256,
    b"ic14": 512,
}
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def check_plist(path, app_id, version, minimum):
    with open(path, "rb") as f:
        raw = f.read()
    check(b"@" not in raw.replace(b"@2x", b""), "an @VARIABLE@ was left unrendered")
    info = plistlib.loads(raw)
    expected = {
        "CFBundleIdentifier": app_id,
        "CFBundleExecutable": "vesk",
        "CFBundleName": "vesk",
        "CFBundlePackageType": "APPL",
        "CFBundleShortVersionString": version,
        "CFBundleIconFile": "vesk.icns",
        "CFBundleDevelopmentRegion": "ca",
        "LSApplicationCategoryType": "public.app-category.utilities",
        "NSHighResolutionCapable": True,
        # The system vesk is made for, unless the build names another.
        "LSMinimumSystemVersion": minimum or "15.0",
    }
    for key, value in expected.items():
        check(info.get(key) == value, f"Info.plist {key} is {info.get(key)!r}, not {value!r}")
    # Build numbers and the minimum system are dotted decimal numbers.
    for key in ("CFBundleVersion", "LSMinimumSystemVersion"):
        parts = str(info.get(key, "")).split(".")
        check(all(p.isdigit() for p in parts), f"Info.plist {key} is {info.get(key)!r}")
    check("vesk" in info.get("NSHumanReadableCopyright", ""), "no copyright line")


def png_size(data):
    if not data.startswith(PNG_SIGNATURE) or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def check_icns(path):
    with open(path, "rb") as f:
        data = f.read()
    check(data[:4] == b"icns", "the file does not start with 'icns'")
    (total,) = struct.unpack(">I", data[4:8])
    check(total == len(data), f"header states {total} bytes, the file has {len(data)}")
    sides = set()
    offset = 8
    while offset + 8 <= len(data):
        kind = data[offset:offset + 4]
        (length,) = struct.unpack(">I", data[offset + 4:offset + 8])
        if length < 8 or offset + length > len(data):
            failures.append(f"entry {kind!r} at {offset} runs past the end")
            return
        body = data[offset + 8:offset + length]
        side = PNG_TYPES.get(kind)
        check(side is not None, f"unexpected entry type {kind!r}")
        size = png_size(body)
        check(size == (side, side), f"entry {kind!r} holds {size}, not a {side} px PNG")
        sides.add(side)
        offset += length
    check(offset == len(data), "trailing bytes after the last entry")
    for side in (16, 32, 64, 128, 256, 512, 1024):
        check(side in sides, f"no {side} px image")
    # An independent reader, where icnsutils is installed.
    if shutil.which("icns2png"):
        listing = subprocess.run(["icns2png", "-l", path], capture_output=True, text=True)
        check(listing.returncode == 0, "icns2png cannot read the file")
        for kind in PNG_TYPES:
            if kind in data:
                check(f"'{kind.decode()}'" in listing.stdout, f"icns2png does not list {kind!r}")
        # It decodes the types it knows: their sizes must be the stated ones.
        for kind, width, height in re.findall(r"'(\w{4})' (\d+)x(\d+)", listing.stdout):
            side = PNG_TYPES.get(kind.encode())
            if int(width):
                check((int(width), int(height)) == (side, side),
                      f"icns2png reads {kind} as {width}x{height}")


def main():
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    plist, icns, app_id, version = sys.argv[1:5]
    check_plist(plist, app_id, version, sys.argv[5] if len(sys.argv) == 6 else "")
    check_icns(icns)
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        print("Info.plist and vesk.icns: as a bundle needs them")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
