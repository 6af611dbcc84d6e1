#!/usr/bin/env bash
# The Qt 6.8 stage of the test command: vesk built and tested against the
# newest Qt Debian ships, in a Debian 13 root filesystem of its own, the way a
# build off Debian is configured (no D-Bus, the fonts from VESK_FONT_DIR),
# with every deprecated Qt API an error. Then, in the same root with the test
# tools hidden, the proof that the QtTest suites configure, build and run
# where only Qt and a compiler are installed.
#
# The root is made with debootstrap the first time and kept in
#   ${VESK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vesk}/debian13
# together with the stage's build folder. It runs under bubblewrap: its
# mounts live in a namespace of their own and end with the stage, whatever
# way it ends. Needs root; run through sudo otherwise.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache=${VESK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vesk}
if [ "$(id -u)" -ne 0 ]; then
    exec sudo VESK_CACHE_DIR="$cache" "$0" "$@"
fi
mirror=${VESK_DEBIAN_MIRROR:-http://deb.debian.org/debian}
rootfs=$cache/debian13
build=$cache/build-qt68
jobs=$(nproc)
mkdir -p "$cache" "$build"

# bubblewrap needs to make mount namespaces, which a plain chroot and a
# container without them (no CAP_SYS_ADMIN, user namespaces off) refuse.
if ! bwrap_error=$(bwrap --dev-bind / / true 2>&1); then
    echo "The Qt 6.8 stage cannot run here: bubblewrap cannot make a mount namespace" >&2
    echo "($bwrap_error). Run the test command on a host or a VM, or in a container" >&2
    echo "started with --privileged (or --cap-add SYS_ADMIN and no seccomp filter)." >&2
    exit 1
fi

if [ ! -e "$rootfs/.vesk-complete" ]; then
    echo "Making a Debian 13 root in $rootfs (once)"
    rm -rf "$rootfs.partial"
    debootstrap --variant=minbase trixie "$rootfs.partial" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        { tail -20 "$cache/debootstrap.log" >&2; exit 1; }
    touch "$rootfs.partial/.vesk-complete"
    rm -rf "$rootfs"
    mv "$rootfs.partial" "$rootfs"
fi

# in_root [BWRAP_OPTIONS...] -- COMMAND...: runs COMMAND in the root, the
# sources read-only at /src and the build folder at /build.
in_root() {
    local options=()
    while [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    shift
    bwrap --bind "$rootfs" / --dev /dev --tmpfs /dev/shm --proc /proc --ro-bind /sys /sys \
        --perms 1777 --tmpfs /tmp --tmpfs /run --ro-bind /etc/resolv.conf /etc/resolv.conf \
        --ro-bind "$source_dir" /src --bind "$build" /build \
        --unshare-pid --unshare-ipc --unshare-uts --die-with-parent --cap-add ALL \
        --clearenv --setenv HOME /root --setenv LC_ALL C.UTF-8 --setenv TERM dumb \
        --setenv PATH /usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        --setenv CI "${CI:-}" --chdir /build "${options[@]}" "$@"
}

in_root -- /src/scripts/install-deps.sh
in_root -- sh -c 'qtpaths6 --qt-version; g++ --version | head -1'

echo "== Qt 6.8: the whole suite, configured as off Debian =="
fonts=/build/fonts
in_root -- sh -c "mkdir -p $fonts && cp -p /usr/share/fonts/opentype/inter/Inter-Regular.otf \
    /usr/share/fonts/opentype/inter/Inter-Medium.otf /usr/share/fonts/opentype/inter/Inter-SemiBold.otf \
    /usr/share/fonts/opentype/inter/Inter-Bold.otf /usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf $fonts/"
in_root -- cmake -S /src -B /build/full -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVESK_USE_DBUS=OFF -DVESK_FONT_DIR=$fonts -DCMAKE_CXX_FLAGS=-Werror=deprecated-declarations
if grep -E '^VESK_FONT_.*:FILEPATH=' "$build/full/CMakeCache.txt" | grep -v "=$fonts/"; then
    echo "FAIL: a font was taken from outside VESK_FONT_DIR" >&2
    exit 1
fi
if grep -qE 'libQt6DBus|VESK_HAS_DBUS' "$build/full/build.ninja"; then
    echo "FAIL: the build links Qt D-Bus though it was turned off" >&2
    exit 1
fi
in_root -- cmake --build /build/full --parallel "$jobs"
in_root -- sh -c "cd /build/full && ctest --output-on-failure --parallel $jobs"

echo "== Only Qt and a compiler: the QtTest suites configure, build and run =="
# The test tools hidden as if never installed: each is replaced by an empty,
# non-executable file for this run only.
hidden=()
for tool in /usr/bin/Xvfb /usr/bin/dbus-run-session /usr/libexec/at-spi-bus-launcher \
    /usr/bin/xdotool /usr/bin/orca /usr/bin/openbox /usr/bin/desktop-file-validate \
    /usr/bin/appstreamcli /usr/bin/python3 \
    /usr/bin/clang++ /usr/bin/icns2png; do
    [ -e "$rootfs$tool" ] && hidden+=(--ro-bind /dev/null "$tool")
done
rm -rf "$build/bare"
in_root "${hidden[@]}" -- cmake -S /src -B /build/bare -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVESK_USE_DBUS=OFF -DVESK_FONT_DIR=$fonts | tee "$build/bare-configure.log" | grep Skipping
in_root "${hidden[@]}" -- sh -c "cd /build/bare && ctest -N" | tail -1
in_root "${hidden[@]}" -- cmake --build /build/bare --parallel "$jobs" --target tst_Models tst_Display
in_root "${hidden[@]}" -- sh -c "cd /build/bare && ctest --output-on-failure -R 'tst_(Models|Display)$'"
