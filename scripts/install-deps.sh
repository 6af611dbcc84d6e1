#!/usr/bin/env bash
# Installs the Debian packages vesk needs to build, run and test, skipping
# those already present. The same set on Debian 12 and Debian 13; the one
# versioned name, clang's compiler runtime, is the one of the clang installed.
# Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev fonts-inter fonts-quicksand fonttools
    appstream desktop-file-utils
    xvfb dbus at-spi2-core python3-pyatspi xdotool orca openbox clang icnsutils
    debootstrap bubblewrap
)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo." >&2; exit 1; }
    sudo=(sudo)
fi
updated=false

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! $updated; then
        "${sudo[@]}" apt-get update -qq
        updated=true
    fi
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
# libFuzzer and the sanitizers' runtime for the clang just installed.
clang_major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -1)
install_missing "libclang-rt-${clang_major}-dev"
