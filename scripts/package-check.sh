#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from build-test, installs it, checks what it put where and that
# the installed program runs, then removes it and whatever dependencies it pulled in, so the
# machine is left as it was. Needs root for dpkg (sudo is used otherwise).
# Usage: bash scripts/package-check.sh [BUILD_DIR]   (default build-test)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

build=${1:-build-test}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work="$(mktemp -d)"
log="$work/log"
passed=0
failed=0
skipped=0
installed_by_us=0
sim_pid=""

pass() { echo "PASS: $1"; passed=$((passed + 1)); }
skip() { echo "SKIP: $1"; skipped=$((skipped + 1)); }
fail() {
    echo "FAIL: $1"
    failed=$((failed + 1))
    [ -s "$log" ] && sed 's/^/    /' "$log" | tail -n 40
    return 0
}
# check DESCRIPTION COMMAND...: one PASS or FAIL line; the command's output shows on failure.
check() {
    local what=$1
    shift
    if "$@" >"$log" 2>&1; then pass "$what"; else fail "$what" && return 1; fi
}

summary() {
    local line="$passed passed, $failed failed"
    [ "$skipped" -eq 0 ] || line="$line, $skipped skipped"
    echo "$line"
}

# --- the package ------------------------------------------------------------------------

project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

build_package() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHMDX_WERROR=ON || return 1
    fi
    cmake --build "$build" --target hmdx hmdx_man || return 1
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" || return 1
    deb="$(ls "$work"/deb/hmdx_*.deb)" && [ "$(echo "$deb" | wc -l)" -eq 1 ]
}

control_fields_ok() {
    local depends
    dpkg-deb --info "$deb"
    [ "$(dpkg-deb -f "$deb" Package)" = hmdx ] || return 1
    [ "$(dpkg-deb -f "$deb" Version)" = "$(project_version)" ] || return 1
    depends="$(dpkg-deb -f "$deb" Depends)"
    # Plugins are loaded at run time, so only a hand-written dependency brings them.
    for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6svg6 qt6-qpa-plugins; do
        [[ ", $depends," == *", $p"[\ ,]* ]] || { echo "Depends lacks $p"; return 1; }
    done
}

# --- install and remove -----------------------------------------------------------------

list_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}

install_package() {
    list_packages >"$work/before"
    installed_by_us=1 # from here on, an interrupted run still removes what it put in
    $sudo dpkg -i "$deb" || {
        echo "dpkg -i left dependencies missing; asking apt-get for them"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -f -y -qq --no-install-recommends
    }
    dpkg-query -W -f='${Status}\n' hmdx | grep -qx "install ok installed"
}

remove_package() {
    [ "$installed_by_us" -eq 1 ] || return 0
    installed_by_us=0
    local pulled
    pulled="$(comm -13 "$work/before" <(list_packages) | grep -vx hmdx)"
    $sudo dpkg -r hmdx || return 1
    if [ -n "$pulled" ]; then
        echo "removing what the package pulled in: $pulled"
        # shellcheck disable=SC2086 # one package a word
        DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq $pulled || return 1
    fi
    ! dpkg-query -W -f='${Status}\n' hmdx 2>/dev/null | grep -q "ok installed" &&
        [ ! -e /usr/bin/hmdx ] && [ ! -e /usr/share/applications/hmdx.desktop ]
}

cleanup() {
    [ -z "$sim_pid" ] || kill -KILL "$sim_pid" 2>/dev/null
    remove_package >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
# A trapped signal waits for the running step (a dpkg holding its lock) before cleaning up.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# --- what the package holds -------------------------------------------------------------

icon_sizes=(16 22 24 32 48 64 128 256)

expected_files() {
    printf '%s\n' /usr/bin/hmdx /usr/share/applications/hmdx.desktop \
        /usr/share/metainfo/hmdx.metainfo.xml /usr/share/man/man1/hmdx.1.gz \
        /usr/share/icons/hicolor/scalable/apps/hmdx.svg \
        /usr/lib/systemd/system/hmdx.service /usr/share/hmdx/prometheus/hmdx-alerts.yml
    for n in "${icon_sizes[@]}"; do
        echo "/usr/share/icons/hicolor/${n}x${n}/apps/hmdx.png"
    done
}

# Every expected file is listed and present, and the package holds nothing else.
package_files_ok() {
    local listed
    listed="$(dpkg -L hmdx | while read -r f; do [ -d "$f" ] || echo "$f"; done | sort)"
    comm -23 <(expected_files | sort) <(echo "$listed") | sed 's/^/missing: /' >"$work/diff"
    comm -13 <(expected_files | sort) <(echo "$listed") | sed 's/^/unexpected: /' >>"$work/diff"
    cat "$work/diff"
    [ ! -s "$work/diff" ] || return 1
    while read -r f; do [ -s "$f" ] || { echo "empty or missing: $f"; return 1; }; done \
        < <(expected_files)
}

png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" \
                                              $5*16777216 + $6*65536 + $7*256 + $8 }'
}

icons_match_their_folders() {
    local f size
    for n in "${icon_sizes[@]}"; do
        f="/usr/share/icons/hicolor/${n}x${n}/apps/hmdx.png"
        size="$(png_size "$f")"
        echo "$f: $size"
        [ "$size" = "${n}x${n}" ] || return 1
    done
    grep -q '<svg' /usr/share/icons/hicolor/scalable/apps/hmdx.svg
}

desktop_key() {
    sed -n "s/^$1=//p" /usr/share/applications/hmdx.desktop | head -n 1
}

# The menu entry starts the installed program, shows the installed icon, and the metainfo
# points at this entry.
desktop_entry_consistent() {
    local exec icon
    exec="$(desktop_key Exec | awk '{ print $1 }')"
    icon="$(desktop_key Icon)"
    echo "Exec=$exec Icon=$icon"
    [ "$exec" = hmdx ] && [ -x "/usr/bin/$exec" ] || return 1
    [ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || return 1
    grep -q '<launchable type="desktop-id">hmdx.desktop</launchable>' \
        /usr/share/metainfo/hmdx.metainfo.xml
}

# A plain, non-reverse-DNS id is our choice; every other finding counts.
metainfo_valid() {
    local status=0
    appstreamcli validate --no-net /usr/share/metainfo/hmdx.metainfo.xml >"$work/as" 2>&1 ||
        status=$?
    cat "$work/as"
    # 3 is "findings reported"; anything else is the validator failing to run.
    [ "$status" -eq 0 ] || [ "$status" -eq 3 ] || return 1
    ! grep -E '^[[:space:]]*[EW]: ' "$work/as" | grep -v 'cid-desktopapp-is-not-rdns'
}

man_page_renders() {
    [ "$(man -w hmdx)" = /usr/share/man/man1/hmdx.1.gz ] || return 1
    local warnings
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l /usr/share/man/man1/hmdx.1.gz \
        2>&1 >"$work/man.txt")"
    [ -z "$warnings" ] || { echo "$warnings"; return 1; }
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" PERMISSIONS; do
        grep -q "^$section" "$work/man.txt" || { echo "no $section section"; return 1; }
    done
}

# --- the installed program --------------------------------------------------------------

version_ok() {
    local out
    out="$(/usr/bin/hmdx --version)" || return 1
    echo "$out"
    [ "$out" = "hmdx $(project_version)" ]
}

help_ok() {
    /usr/bin/hmdx --help >"$work/help" || return 1
    cat "$work/help"
    for option in --simulate --scenario --sim-trace --sim-dump --data-dir --help --version; do
        grep -q -- "$option" "$work/help" || { echo "help lacks $option"; return 1; }
    done
}

# The installed binary starts on the simulated chip with the installed libraries and plugins
# and ends cleanly on SIGTERM, writing its register dump. Waits are bounded, never asserted.
simulated_run_ok() {
    local run="$work/run" status
    mkdir -p "$run/xdg"
    chmod 700 "$run/xdg"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$run/xdg" /usr/bin/hmdx --simulate \
        --data-dir "$run" --sim-trace "$run/trace" --sim-dump "$run/dump" &
    sim_pid=$!
    for _ in $(seq 300); do
        [ -s "$run/trace" ] && break
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -TERM "$sim_pid" 2>/dev/null
    wait "$sim_pid"
    status=$?
    sim_pid=""
    echo "exit status $status"
    [ "$status" -eq 0 ] && grep -q '^shutdown 0$' "$run/dump"
}

optional_check() {
    local what=$1 tool=$2 package=$3
    shift 3
    if command -v "$tool" >/dev/null; then
        check "$what" "$@"
    else
        skip "$what ($tool missing: apt-get install $package)"
    fi
}

# --- the run ----------------------------------------------------------------------------

echo "== Debian package from $build"
if dpkg-query -W -f='${Status}\n' hmdx 2>/dev/null | grep -q "ok installed"; then
    : >"$log"
    fail "hmdx is already installed here; this check would replace it (remove it: dpkg -r hmdx)"
    summary
    exit 1
fi

if ! check "package builds with cpack" build_package; then
    summary
    exit 1
fi
echo "package: $deb"
check "control fields: name, version $(project_version), Qt runtime and plugin dependencies" \
    control_fields_ok
if check "dpkg -i installs the package" install_package; then
    check "installed files: binary, desktop entry, metainfo, man page, 9 icons, unit, alert rules, nothing else" \
        package_files_ok
    check "icons: each PNG has its folder's size, the SVG is an SVG" icons_match_their_folders
    check "desktop entry runs /usr/bin/hmdx with icon hmdx; metainfo launches it" \
        desktop_entry_consistent
    optional_check "desktop-file-validate" desktop-file-validate desktop-file-utils \
        desktop-file-validate /usr/share/applications/hmdx.desktop
    optional_check "appstreamcli validate --no-net" appstreamcli appstream metainfo_valid
    optional_check "man hmdx finds and renders the page without warnings" man man-db \
        man_page_renders
    check "hmdx --version" version_ok
    check "hmdx --help lists every option" help_ok
    check "installed hmdx runs on the simulated chip and ends cleanly" simulated_run_ok
fi
check "dpkg -r hmdx removes it and what it pulled in" remove_package

summary
[ "$failed" -eq 0 ]
