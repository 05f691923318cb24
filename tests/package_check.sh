#!/usr/bin/env bash
# Installs the built game into a throwaway root and packs it, then checks both as a desktop would.
#
# usage: tests/package_check.sh <build folder>
# Runs `cmake --install` with DESTDIR and `cpack` into one temporary folder and never touches the
# system: the installed files are validated in place, the game is started from there under its
# own Xvfb with a throwaway XDG_CONFIG_HOME. On failure the temporary folder is kept.
set -euo pipefail

build=$(realpath "${1:?usage: package_check.sh <build folder>}")
app_id=io.github.roadshift.Roadshift
version=1.00
title="Roadshift v$version"
icon_sizes=(16 22 24 32 48 64 128 256 512)

for tool in cmake cpack dpkg-deb dpkg-shlibdeps dpkg file desktop-file-validate appstreamcli man \
    Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || {
        echo "package: $tool is missing (see the README's test command)" >&2
        exit 1
    }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-package.XXXXXX")
root=$tmp/root
xvfb_pid=""
game_pid=""
passed=0

cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if ((passed)); then
        rm -rf "$tmp"
    else
        echo "package: kept $tmp (installed tree, package, logs)" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "package: FAIL: $*" >&2
    exit 1
}

# Runs "$@", keeping its output in $tmp/$name.log; fails with that output when it fails.
logged() {
    local name=$1
    shift
    "$@" >"$tmp/$name.log" 2>&1 || fail "$name failed: $*"$'\n'"$(cat "$tmp/$name.log")"
}

# The files a desktop looks for, relative to the install prefix.
expected_files() {
    echo bin/roadshift
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/man/man6/roadshift.6.gz
    echo share/doc/roadshift/copyright
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
}

# --- The install target into a throwaway root.
DESTDIR=$root logged install cmake --install "$build" --prefix /usr
usr=$root/usr
while read -r file; do
    [[ -f $usr/$file ]] || fail "cmake --install did not install /usr/$file"
done < <(expected_files)
for size in "${icon_sizes[@]}"; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    file -b "$png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}px icon is not a $size x $size PNG: $(file -b "$png")"
done
echo "package: ok install"

# --- The desktop entry and the AppStream metadata.
desktop=$usr/share/applications/$app_id.desktop
logged desktop-file-validate desktop-file-validate "$desktop"
for line in "Name=Roadshift" "Exec=roadshift" "Icon=$app_id" "StartupWMClass=Roadshift"; do
    grep -qx "$line" "$desktop" || fail "the desktop entry has no line '$line'"
done
grep -Eq '^Categories=(.*;)?Game;(.*;)?(LogicGame|BoardGame);' "$desktop" ||
    fail "the desktop entry's Categories miss Game and LogicGame: $(grep Categories "$desktop")"
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
logged appstreamcli-validate appstreamcli validate --no-net "$metainfo"
# The tree check also finds the desktop entry that the metadata's launchable names.
logged appstreamcli-tree appstreamcli validate-tree --no-net "$root"
grep -q "<release version=\"$version\" date=\"2026-12-10\"" "$metainfo" ||
    fail "the metadata has no release $version dated 2026-12-10"
echo "package: ok desktop entry and metadata"

# --- The manual page renders without warnings and says what matters.
MANWIDTH=80 man --warnings -l "$usr/share/man/man6/roadshift.6.gz" \
    >"$tmp/man.txt" 2>"$tmp/man.err" || fail "man -l failed: $(cat "$tmp/man.err")"
[[ ! -s $tmp/man.err ]] || fail "man -l warns: $(cat "$tmp/man.err")"
for words in "ROADSHIFT(6)" "Roadshift $version" "--version" "--help" "rdshfv1.conf" "Ctrl+Q"; do
    grep -qF -- "$words" "$tmp/man.txt" || fail "the manual page does not mention '$words'"
done
echo "package: ok manual page"

# --- The command line answers with no display at all: no window could even be tried.
game=$usr/bin/roadshift
nodisplay() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$tmp/home" "$@"
}
out=$(nodisplay "$game" --version) || fail "--version failed with status $?"
[[ $out == "roadshift $version" ]] || fail "--version printed '$out'"
out=$(nodisplay "$game" --help) || fail "--help failed with status $?"
[[ $out == "Usage: roadshift [options]"* && $out == *--version* ]] || fail "--help printed: $out"
rc=0
nodisplay "$game" --no-such-option >"$tmp/refused.out" 2>"$tmp/refused.err" || rc=$?
((rc == 2)) || fail "an unknown option ended with status $rc, not 2: $(cat "$tmp/refused.err")"
[[ ! -s $tmp/refused.out ]] || fail "an unknown option printed on standard output"
[[ $(wc -l <"$tmp/refused.err") == 1 ]] && grep -q "no-such-option" "$tmp/refused.err" ||
    fail "an unknown option is not answered with one line naming it: $(cat "$tmp/refused.err")"
[[ ! -e $tmp/home ]] || fail "answering the command line touched the settings folder"
echo "package: ok command line"

# --- The installed game starts under Xvfb with its title and icon.
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
XDG_CONFIG_HOME=$tmp/home QT_QPA_PLATFORM=xcb "$game" >"$tmp/game.log" 2>&1 &
game_pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) || true
[[ -n $wid ]] || fail "the installed game showed no window titled '$title' within 20 s"
xprop -id "$wid" WM_CLASS _NET_WM_ICON >"$tmp/xprop.txt" || fail "xprop failed"
grep -q 'WM_CLASS(STRING) = "roadshift", "Roadshift"' "$tmp/xprop.txt" ||
    fail "the window's WM_CLASS does not match StartupWMClass: $(head -n 1 "$tmp/xprop.txt")"
for size in 16 48; do
    grep -q "Icon ($size x $size)" "$tmp/xprop.txt" || fail "the window has no ${size}px icon"
done
kill -TERM "$game_pid"
rc=0
wait "$game_pid" || rc=$?
game_pid=""
((rc == 0)) || fail "the installed game ended with status $rc: $(cat "$tmp/game.log")"
echo "package: ok window and icon"

# --- The Debian package.
logged cpack cpack --config "$build/CPackConfig.cmake" -B "$tmp/package"
deb=$tmp/package/roadshift_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "cpack made no $deb: $(ls "$tmp/package")"
[[ $(dpkg-deb -f "$deb" Package) == roadshift ]] || fail "the package is not named roadshift"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package's version is not $version"
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is not in section games"
[[ -n $(dpkg-deb -f "$deb" Maintainer) ]] || fail "the package names no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-dejavu-core fonts-liberation fonts-comic-neue fonts-dseg libc6 libqt6core6 \
    libqt6gui6 libqt6widgets6; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" ||
        fail "the package does not depend on $package: $depends"
done
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./usr/||' | sort >"$tmp/contents.txt"
while read -r file; do
    grep -qx "$file" "$tmp/contents.txt" || fail "the package lacks /usr/$file"
done < <(expected_files)
dpkg-deb -x "$deb" "$tmp/unpacked"
out=$(nodisplay "$tmp/unpacked/usr/bin/roadshift" --version) ||
    fail "the packed game's --version failed"
[[ $out == "roadshift $version" ]] || fail "the packed game's --version printed '$out'"
echo "package: ok $(basename "$deb"), Depends: $depends"

passed=1
echo "package: all checks passed"
