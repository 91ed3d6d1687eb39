#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a packager would (dpkg-buildpackage from a clean copy of the
# tree), judges it with lintian and hardening-check, installs it, checks what it put where and
# that the installed program and unit work, then purges it and whatever dependencies it pulled
# in, so the machine is left as it was. Needs root for dpkg (sudo is used otherwise).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work="$(mktemp -d)"
log="$work/log"
passed=0
failed=0
installed_by_us=0
sim_pid=""
shared="" # nobody's files: $work is root's alone

pass() { echo "PASS: $1"; passed=$((passed + 1)); }
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
    echo "$passed passed, $failed failed"
}

# --- the package ------------------------------------------------------------------------

version="$(dpkg-parsechangelog -S Version)"

# From a copy holding only what git tracks (and new files not ignored), so no build folder
# of the developer's gets in; the .deb lands beside the copy.
build_package() {
    mkdir -p "$work/src/hmdx"
    git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf - | tar -C "$work/src/hmdx" -xf - || return 1
    (cd "$work/src/hmdx" && dpkg-buildpackage -us -uc -b) || return 1
    deb="$work/src/hmdx_${version}_$(dpkg --print-architecture).deb"
    changes="${deb%.deb}.changes"
    [ -f "$deb" ] && [ -f "$changes" ]
}

# Every version the user can see is the changelog's: the build's, the metainfo's newest
# release (with the changelog's date) and the about box's.
versions_agree() {
    local cmake metainfo about date
    cmake="$(sed -n 's/^project(hmdx VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)"
    metainfo="$(grep -o '<release version="[^"]*" date="[^"]*"' data/hmdx.metainfo.xml | head -n 1)"
    about="$(grep -o '"Version [^"]*"' src/ui/dialogs/AboutDialog.cpp)"
    date="$(date -u -d "$(dpkg-parsechangelog -S Date)" +%F)"
    echo "changelog $version ($date); CMake $cmake; metainfo $metainfo; about box $about"
    [ "$cmake" = "$version" ] && [ "$about" = "\"Version $version\"" ] &&
        [ "$metainfo" = "<release version=\"$version\" date=\"$date\"" ]
}

# Info and pedantic tags we keep, each with the reason it stays:
#   package-supports-alternative-init-but-no-init.d-script: the headless service relies on
#     systemd's sandbox (capability bounding set, system call filter, state directory), which
#     an init script cannot give it; hmdx runs under systemd or by hand, never from init.d.
#   spelling-error-in-binary priviledge: the shut-down refusal message is shown word for word
#     as hmdx has always shown it, and users and scripts know it by that text.
accepted_tags=(
    "package-supports-alternative-init-but-no-init.d-script"
    "spelling-error-in-binary priviledge privilege"
)

# No error and no warning; any other tag must be one of the accepted ones above.
lintian_clean() {
    local line tag unexplained=0
    lintian --pedantic --info --display-level ">=pedantic" --fail-on none "$changes" \
        >"$work/lintian" 2>&1 || return 1
    cat "$work/lintian"
    while read -r line; do
        case "$line" in
        [EWIPX]:\ *) ;;
        *) continue ;;
        esac
        [[ "$line" == [EW]:* ]] && { echo "not allowed: $line"; unexplained=1; continue; }
        tag="$(echo "$line" | sed -E 's/^[IPX]: [^:]+: ([^[]*[^[ ]).*/\1/')"
        printf '%s\n' "${accepted_tags[@]}" | grep -xF "$tag" >/dev/null ||
            { echo "no reason given for: $line"; unexplained=1; }
    done <"$work/lintian"
    [ "$unexplained" -eq 0 ]
}

control_fields_ok() {
    local depends
    dpkg-deb --info "$deb"
    [ "$(dpkg-deb -f "$deb" Package)" = hmdx ] || return 1
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || return 1
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
    dpkg-query -W -f='${Status}\n' hmdx | grep -qx "install ok installed" || return 1
    dpkg -L hmdx | while read -r f; do [ -d "$f" ] || echo "$f"; done >"$work/files"
}

# Purged, as an administrator removes a service for good: stopped (prerm), its enablement
# undone (postrm; a plain dpkg -r keeps it, as Debian keeps every service's), and nothing of
# the package left on disk or in systemd's and debhelper's state.
remove_package() {
    [ "$installed_by_us" -eq 1 ] || return 0
    installed_by_us=0
    local pulled left
    pulled="$(comm -13 "$work/before" <(list_packages) | grep -vx hmdx)"
    $sudo dpkg --purge hmdx || return 1
    if [ -n "$pulled" ]; then
        echo "removing what the package pulled in: $pulled"
        # shellcheck disable=SC2086 # one package a word
        DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq $pulled || return 1
    fi
    ! dpkg-query -W hmdx >/dev/null 2>&1 || { echo "dpkg still knows hmdx"; return 1; }
    left="$({
        while read -r f; do [ ! -e "$f" ] && [ ! -L "$f" ] || echo "$f"; done <"$work/files"
        find /usr/share/hmdx /usr/share/doc/hmdx /var/lib/systemd/deb-systemd-helper-enabled \
            /var/lib/systemd/deb-systemd-helper-masked -name '*hmdx*' 2>/dev/null
        find /etc/systemd/system -path '*.wants/hmdx.service' 2>/dev/null
    } | sort -u)"
    [ -z "$left" ] || { echo "left behind: $left"; return 1; }
}

cleanup() {
    if [ -n "$sim_pid" ]; then
        kill -KILL "$sim_pid" 2>/dev/null
        # setcap_dropped's hmdx is nobody's, below a subshell (or sudo) of ours.
        [ -z "$shared" ] || $sudo kill -KILL "$(cat "$shared/files/pid")" 2>/dev/null
    fi
    remove_package >/dev/null 2>&1
    rm -rf "$work"
    [ -z "$shared" ] || $sudo rm -rf "$shared"
}
trap cleanup EXIT
# A trapped signal waits for the running step (a dpkg holding its lock) before cleaning up.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# --- what the package holds -------------------------------------------------------------

icon_sizes=(16 22 24 32 48 64 128 256)

expected_files() {
    printf '%s\n' /usr/bin/hmdx /usr/libexec/hmdx/hmdx-guardian \
        /usr/share/applications/hmdx.desktop /usr/share/metainfo/hmdx.metainfo.xml \
        /usr/share/man/man1/hmdx.1.gz /usr/share/icons/hicolor/scalable/apps/hmdx.svg \
        /lib/systemd/system/hmdx.service /usr/share/hmdx/prometheus/hmdx-alerts.yml \
        /usr/lib/tmpfiles.d/hmdx.conf \
        /usr/share/doc/hmdx/copyright /usr/share/doc/hmdx/changelog.gz
    for n in "${icon_sizes[@]}"; do
        echo "/usr/share/icons/hicolor/${n}x${n}/apps/hmdx.png"
    done
}

# The tmpfiles entry ran at install: no user can own, replace or remove the claim file.
claim_file_made() {
    stat -c '%U %a %F' /run/lock/hmdx.lock
    [ "$(stat -c '%U %a %F' /run/lock/hmdx.lock)" = "root 644 regular empty file" ]
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
    [ "$out" = "hmdx $version" ]
}

help_ok() {
    /usr/bin/hmdx --help >"$work/help" || return 1
    cat "$work/help"
    for option in --simulate --scenario --sim-trace --sim-dump --data-dir --fans-full --help \
        --version; do
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

# --- no capability once up --------------------------------------------------------------

nobody_folder() {
    [ -n "$shared" ] && return 0
    shared="$(mktemp -d)" && chmod 755 "$shared" && mkdir -m 777 "$shared/files" &&
        mkdir -m 700 "$shared/xdg" && $sudo chown nobody "$shared/xdg"
}

# as_nobody COMMAND...: as user nobody in a clean environment; the command's pid lands in
# $shared/files/pid, as the shell's $! is a subshell's (or sudo's).
as_nobody() {
    # shellcheck disable=SC2016 # expanded by the inner shell
    $sudo setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$shared/files" XDG_RUNTIME_DIR="$shared/xdg" \
        sh -c 'echo $$ >"$0" && exec "$@"' "$shared/files/pid" "$@"
}

# The installed binary granted the port capability as the README says, run by an unprivileged
# user: once it is up it holds none, so nothing its caller's environment makes it load (Qt
# plugins) runs with it.
setcap_dropped() {
    local files pid caps status
    nobody_folder || return 1
    files="$shared/files"
    $sudo setcap cap_sys_rawio+ep /usr/bin/hmdx && getcap /usr/bin/hmdx || return 1
    as_nobody /usr/bin/hmdx --simulate --headless --data-dir "$files" \
        --sim-trace "$files/trace" --sim-dump "$files/dump" &
    sim_pid=$!
    for _ in $(seq 300); do
        [ -s "$files/trace" ] && break
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    pid="$(cat "$files/pid")"
    caps="$(grep -E '^Cap(Prm|Eff):' "/proc/$pid/status")"
    echo "$caps"
    $sudo kill -TERM "$pid"
    wait "$sim_pid"
    status=$?
    sim_pid=""
    echo "exit status $status"
    [ "$status" -eq 0 ] &&
        echo "$caps" | awk '$2 != "0000000000000000" { held = 1 } END { exit held || NR != 2 }'
}

# Asks for the ports as hmdx does; ioperm and iopl only grant, they touch no port. Refused
# with EPERM, or ENOSYS where the kernel has no port calls at all.
ports_refused='
import ctypes, errno, sys
libc = ctypes.CDLL(None, use_errno=True)
for name, call in (("ioperm", lambda: libc.ioperm(0x80, 1, 1)), ("iopl", lambda: libc.iopl(3))):
    got = call()
    print(name, got, errno.errorcode.get(ctypes.get_errno()))
    if got != -1 or ctypes.get_errno() not in (errno.EPERM, errno.ENOSYS):
        sys.exit(name + " was granted")'

# The real backend where no port can be granted, whatever capability its file carries: as
# nobody in a user namespace of its own, whose capabilities do not count for the ports. That
# is proved first with every capability of such a namespace (--map-root-user).
real_backend_refused() {
    local status=0
    as_nobody unshare --user --map-root-user python3 -c "$ports_refused" || return 1
    as_nobody timeout 60 unshare --user /usr/bin/hmdx --headless --data-dir "$shared/files" \
        >"$work/real" 2>&1 || status=$?
    cat "$work/real"
    echo "exit status $status"
    [ "$status" -ne 0 ] && [ "$status" -ne 124 ] &&
        grep -qF "LOAD Device Driver fail!" "$work/real"
}

# Everything Debian 12 can give is on. Two lines cannot say yes here, for reasons outside
# hmdx: "Control flow integrity" looks for the IBT/SHSTK property, which the linker sets only
# when every object has it, and Debian 12's own start files (Scrt1.o, crti.o) do not; so it
# is not required (--nocfprotection), and the endbr64 landing pads show that hmdx's code is
# built for it. "Stack clash protection" says "unknown" when no function has a frame large
# enough to need probes.
hardened() {
    local status binary
    for binary in /usr/bin/hmdx /usr/libexec/hmdx/hmdx-guardian; do
        status=0
        hardening-check --nocfprotection "$binary" >"$work/hardening" || status=$?
        cat "$work/hardening"
        [ "$status" -eq 0 ] || return 1
        for line in "Position Independent Executable: yes" "Stack protected: yes" \
            "Fortify Source functions: yes" "Read-only relocations: yes" "Immediate binding: yes"; do
            grep -qF "$line" "$work/hardening" || { echo "not: $line"; return 1; }
        done
    done
    # The guardian loads libc alone: its memory is its own.
    [ "$(readelf -d /usr/libexec/hmdx/hmdx-guardian | grep -c NEEDED)" -eq 1 ] ||
        { echo "the guardian needs more than libc"; return 1; }
    [ "$(dpkg --print-architecture)" != amd64 ] ||
        [ "$(objdump -d /usr/bin/hmdx | grep -c endbr64)" -gt 100 ] ||
        { echo "no endbr64 landing pads: built without -fcf-protection"; return 1; }
}

# The unit is valid where the package put it, and installing neither enabled nor started it
# (no systemd runs here, so "started" is what the postinst would do: start only if enabled).
unit_ok() {
    systemd-analyze verify /lib/systemd/system/hmdx.service || return 1
    [ "$(systemctl is-enabled hmdx.service)" = disabled ] || return 1
    dpkg-deb -I "$deb" prerm >"$work/prerm" && dpkg-deb -I "$deb" postrm >"$work/postrm" &&
        grep -q "deb-systemd-invoke stop 'hmdx.service'" "$work/prerm" &&
        grep -q "deb-systemd-helper purge 'hmdx.service'" "$work/postrm" || return 1
    # Enabled as an administrator would, so that the purge shows it undone.
    systemctl enable hmdx.service
}

# --- the run ----------------------------------------------------------------------------

echo "== Debian package $version"
if dpkg-query -W -f='${Status}\n' hmdx 2>/dev/null | grep -q "ok installed"; then
    : >"$log"
    fail "hmdx is already installed here; this check would replace it (remove it: dpkg -r hmdx)"
    summary
    exit 1
fi

check "versions agree: debian/changelog, CMake, metainfo release, about box" versions_agree
if ! check "dpkg-buildpackage -us -uc -b builds it from a clean copy" build_package; then
    summary
    exit 1
fi
echo "package: $deb"
check "lintian --pedantic: no error, no warning, every other tag explained" lintian_clean
check "control fields: name, version $version, Qt runtime and plugin dependencies" \
    control_fields_ok
if check "dpkg -i installs the package" install_package; then
    check "installed files: binary, guardian, menu entry, metainfo, man page, 9 icons, unit,\
 tmpfiles entry, alert rules, copyright, changelog, nothing else" package_files_ok
    check "installing made the chip's claim file, root's and readable by all" claim_file_made
    check "hardening-check of hmdx and the guardian: PIE, stack protector, fortify, relro,\
 bindnow; CFI landing pads; the guardian loads libc alone" hardened
    check "systemd-analyze verify passes the installed unit; installing left it disabled" unit_ok
    check "icons: each PNG has its folder's size, the SVG is an SVG" icons_match_their_folders
    check "desktop entry runs /usr/bin/hmdx with icon hmdx; metainfo launches it" \
        desktop_entry_consistent
    check "desktop-file-validate" desktop-file-validate /usr/share/applications/hmdx.desktop
    check "appstreamcli validate --no-net" metainfo_valid
    check "man hmdx finds and renders the page without warnings" man_page_renders
    check "hmdx --version" version_ok
    check "hmdx --help lists every option" help_ok
    check "installed hmdx runs on the simulated chip and ends cleanly" simulated_run_ok
    check "granted cap_sys_rawio, hmdx run by nobody holds no capability once up (CapPrm,\
 CapEff 0)" setcap_dropped
    if nobody_folder && as_nobody unshare --user true >/dev/null 2>&1; then
        check "the real backend with no port to be had (nobody, own user namespace): start-up\
 fails, the driver did not load" real_backend_refused
    else
        echo "SKIP: the real backend without ports: nobody may not make a user namespace here"
    fi
fi
check "dpkg --purge: stopped, disabled, nothing left behind, nor what it pulled in" remove_package

summary
[ "$failed" -eq 0 ]
