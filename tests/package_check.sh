#!/usr/bin/env bash
# Installs the built game into a throwaway root and packs it, then checks both as a desktop would.
#
# usage: tests/package_check.sh <build folder>
# Runs `cmake --install` with DESTDIR and `cpack` into one temporary folder and never touches the
# system: the installed files are validated in place, the game is started from there under its
# own Xvfb with a throwaway XDG_CONFIG_HOME. The package is packed twice and must come out the
# same; lintian must find nothing to warn about, and the executable must be hardened as Debian's
# build flags make it. On failure the temporary folder is kept.
set -euo pipefail

build=$(realpath "${1:?usage: package_check.sh <build folder>}")
app_id=io.github.roadshift.Roadshift
version=1.00
title="Roadshift v$version"
icon_sizes=(16 22 24 32 48 64 128 256 512)
# The languages the game is translated into, one translations/roadshift_<language>.ts each: a new
# one is not done until the desktop entry and the metadata speak it too.
source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
languages=()
for ts in "$source"/translations/roadshift_*.ts; do
    [[ -f $ts ]] && languages+=("$(basename "$ts" .ts | sed 's/^roadshift_//')")
done
((${#languages[@]})) || {
    echo "package: found no translations in $source/translations" >&2
    exit 1
}

for tool in cmake cpack dpkg-deb dpkg-shlibdeps dpkg file desktop-file-validate appstreamcli man \
    Xvfb xdotool xprop lintian readelf cmp dpkg-parsechangelog; do
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

# The files a desktop looks for, relative to the install prefix, after the executable's folder.
expected_files() {
    echo "$1/roadshift"
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/man/man6/roadshift.6.gz
    echo share/man/de/man6/roadshift.6.gz
    echo share/doc/roadshift/copyright
    echo share/doc/roadshift/changelog.gz
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
}

# --- The install target into a throwaway root.
DESTDIR=$root logged install cmake --install "$build" --prefix /usr
usr=$root/usr
while read -r file; do
    [[ -f $usr/$file ]] || fail "cmake --install did not install /usr/$file"
done < <(expected_files bin)
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
logged appstreamcli-validate appstreamcli validate --pedantic --no-net "$metainfo"
# Even the pedantic hints are heeded, but for the capital in the id the desktop has known since
# the first release.
hints=$(grep -E '^[EWIP]: ' "$tmp/appstreamcli-validate.log" |
    grep -v ' cid-contains-uppercase-letter ') && fail "appstreamcli validate --pedantic: $hints"
for keyword in sliding tiles road car puzzle; do
    grep -q "<keyword>$keyword</keyword>" "$metainfo" ||
        fail "the metadata lacks the keyword $keyword"
done
# Every language of the game finds the menu entry and the software centre's page in its own words:
# each of the entry's texts, and in the metadata the summary, the caption and as many paragraphs
# as the English has, since a paragraph missing in one language reads as a gap in its text; and the
# metadata's list of languages names each, English too.
for lang in "${languages[@]}"; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$desktop" ||
            fail "the desktop entry has no $key[$lang]"
    done
done
/usr/bin/python3 - "$metainfo" "${languages[@]}" >"$tmp/metainfo-languages.log" 2>&1 <<'PYTHON' ||
import sys
import xml.etree.ElementTree as ET

lang_key = "{http://www.w3.org/XML/1998/namespace}lang"
root = ET.parse(sys.argv[1]).getroot()
missing = []
listed = {e.text for e in root.findall("languages/lang")}
for lang in ["en"] + sys.argv[2:]:
    if lang not in listed:
        missing.append(f"languages lists no {lang}")
for lang in sys.argv[2:]:
    for path in ("summary", "screenshots/screenshot/caption", "keywords/keyword"):
        if not any(e.get(lang_key) == lang for e in root.findall(path)):
            missing.append(f"{path} in {lang}")
    for path in ("description", "releases/release/description"):
        for description in root.findall(path):
            english = [p for p in description.findall("p") if lang_key not in p.attrib]
            translated = [p for p in description.findall("p") if p.get(lang_key) == lang]
            if len(translated) != len(english):
                missing.append(f"{path}: {len(translated)} paragraphs in {lang}, {len(english)} in English")
print("\n".join(missing))
sys.exit(1 if missing else 0)
PYTHON
    fail "the metadata misses translations: $(cat "$tmp/metainfo-languages.log")"
# The tree check also finds the desktop entry that the metadata's launchable names.
logged appstreamcli-tree appstreamcli validate-tree --no-net "$root"
grep -q "<release version=\"$version\" date=\"2026-12-10\"" "$metainfo" ||
    fail "the metadata has no release $version dated 2026-12-10"
echo "package: ok desktop entry and metadata"

# --- The manual pages render without warnings and say what matters.
# usage: check_manual_page <page> <name for the logs> <words it must show>...
check_manual_page() {
    local page=$1 name=$2 words
    shift 2
    MANWIDTH=80 man --warnings -l "$page" >"$tmp/$name.txt" 2>"$tmp/$name.err" ||
        fail "man -l $page failed: $(cat "$tmp/$name.err")"
    [[ ! -s $tmp/$name.err ]] || fail "man -l $page warns: $(cat "$tmp/$name.err")"
    for words in "ROADSHIFT(6)" "Roadshift $version" "--version" "--help" "-platform" \
        "rdshfv1.conf" "$@"; do
        grep -qF -- "$words" "$tmp/$name.txt" || fail "$page does not mention '$words'"
    done
    # Words stand one space apart: no line stretched to the margin, no sentence gap before a
    # word that goes on the sentence ("THE END!  exits"), and no full stop after an exclamation
    # mark.
    stretched=$(grep -nE '^ *[^ ].*  [a-z(]|!\.' "$tmp/$name.txt") &&
        fail "$page has gaps or '!.' in: $stretched"
    return 0
}
check_manual_page "$usr/share/man/man6/roadshift.6.gz" man "Ctrl+Q"
# The German page is read in a UTF-8 locale, so that its umlauts show as such; German sets one
# space after a full stop, so no punctuation is followed by a gap but a list item's number.
LC_ALL=C.UTF-8 check_manual_page "$usr/share/man/de/man6/roadshift.6.gz" man-de "Strg+Q" \
    "Straßenplättchen" "SPIELANLEITUNG"
gaps=$(grep -nE '^ +.*[.,;:!?)]  +[^ ]' "$tmp/man-de.txt" | grep -vE '^[0-9]+: +[0-9]+\.  +[^ ]') &&
    fail "the German manual page has a gap after punctuation in: $gaps"
echo "package: ok manual pages"

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
out=$(nodisplay "$game" -platform offscreen --version) ||
    fail "-platform offscreen --version failed with status $?"
[[ $out == "roadshift $version" ]] || fail "-platform offscreen --version printed '$out'"
[[ ! -e $tmp/home ]] || fail "answering the command line touched the settings folder"

# Qt's own options reach Qt: the game starts on the offscreen platform with no display. SIGTERM
# is caught once the window is made, and leaves the game with status 0.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$tmp/home" \
    "$game" -style fusion -platform offscreen >"$tmp/offscreen.log" 2>&1 &
game_pid=$!
for ((tries = 200; tries > 0; --tries)); do
    if [[ $(readlink "/proc/$game_pid/exe" 2>/dev/null) == "$game" ]]; then
        mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$game_pid/status" 2>/dev/null) || mask=0
        ((0x${mask:-0} & (1 << 14))) && break
    fi
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$game_pid" 2>/dev/null || true
rc=0
wait "$game_pid" || rc=$?
game_pid=""
((rc == 0)) ||
    fail "-style fusion -platform offscreen ended with status $rc: $(cat "$tmp/offscreen.log")"
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

# --- The Debian package, packed twice into two folders, a clock second apart at least.
logged cpack cpack --config "$build/CPackConfig.cmake" -B "$tmp/package"
deb_name=roadshift_${version}_$(dpkg --print-architecture).deb
deb=$tmp/package/$deb_name
[[ -f $deb ]] || fail "cpack made no $deb: $(ls "$tmp/package")"
packed=$(date +%s)
while (($(date +%s) == packed)); do sleep 0.1; done
logged cpack-again cpack --config "$build/CPackConfig.cmake" -B "$tmp/again"
cmp "$deb" "$tmp/again/$deb_name" >/dev/null ||
    fail "two packings of the same build differ (kept in $tmp/package and $tmp/again)"
# Every date in it is the release day, unless the builder names another.
dates=$(TZ=UTC dpkg-deb -c "$deb" | awk '{print $4, $5}' | sort -u)
[[ $dates == "2026-12-10 00:00" ]] ||
    fail "the package's files are not dated the release day: $dates"
SOURCE_DATE_EPOCH=1000000000 logged cpack-epoch cpack --config "$build/CPackConfig.cmake" \
    -B "$tmp/epoch"
dates=$(TZ=UTC dpkg-deb -c "$tmp/epoch/$deb_name" | awk '{print $4, $5}' | sort -u)
[[ $dates == "2001-09-09 01:46" ]] || fail "the builder's SOURCE_DATE_EPOCH was not heeded: $dates"
echo "package: ok reproducible"

[[ $(dpkg-deb -f "$deb" Package) == roadshift ]] || fail "the package is not named roadshift"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package's version is not $version"
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is not in section games"
[[ -n $(dpkg-deb -f "$deb" Maintainer) ]] || fail "the package names no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libopenal1; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" ||
        fail "the package does not depend on $package: $depends"
done
# The faces only make it look as drawn: recommended, not required.
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in fonts-dejavu-core fonts-liberation fonts-comic-neue fonts-sil-andika fonts-dseg \
    fonts-noto-cjk fonts-noto-color-emoji; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$recommends" ||
        fail "the package does not recommend $package: $recommends"
    ! grep -q "$package" <<<"$depends" || fail "the package depends on $package: $depends"
done
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./usr/||' | sort >"$tmp/contents.txt"
while read -r file; do
    grep -qx "$file" "$tmp/contents.txt" || fail "the package lacks /usr/$file"
done < <(expected_files games)
! grep -q '^bin/' "$tmp/contents.txt" ||
    fail "the package has /usr/bin: $(grep '^bin/' "$tmp/contents.txt")"
dpkg-deb -x "$deb" "$tmp/unpacked"
packed_game=$tmp/unpacked/usr/games/roadshift
out=$(nodisplay "$packed_game" --version) || fail "the packed game's --version failed"
[[ $out == "roadshift $version" ]] || fail "the packed game's --version printed '$out'"
# The menu entry names the program as found on the PATH, which holds /usr/games on Debian.
grep -qx "Exec=roadshift" "$tmp/unpacked/usr/share/applications/$app_id.desktop" ||
    fail "the packed menu entry does not start roadshift"
gunzip -c "$tmp/unpacked/usr/share/doc/roadshift/changelog.gz" >"$tmp/changelog"
[[ $(dpkg-parsechangelog -l "$tmp/changelog" -S Version) == "$version" ]] ||
    fail "the changelog's latest entry is not version $version"
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$tmp/unpacked/usr/share/doc/roadshift/copyright" ||
    fail "the copyright file is not machine-readable"
echo "package: ok $deb_name, Depends: $depends; Recommends: $recommends"

# --- Debian's own checker: no error, no warning, not even a note (data/lintian-overrides says
# why the one it would make is wrong). It warns on its own when run as root.
rc=0
lintian --info --fail-on error,warning,info "$deb" >"$tmp/lintian.log" 2>"$tmp/lintian.err" || rc=$?
grep -v '^running with root privileges is not recommended!$' "$tmp/lintian.err" \
    >>"$tmp/lintian.log" || true
((rc == 0)) && ! grep -qE '^[EWI]: ' "$tmp/lintian.log" ||
    fail "lintian (status $rc): $(cat "$tmp/lintian.log")"
echo "package: ok lintian"

# --- The executable is hardened as Debian's build flags make it, unless the build said otherwise.
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
if [[ $(cache_value ROADSHIFT_HARDENING) == OFF ]]; then
    echo "package: hardening not checked: the build was configured with ROADSHIFT_HARDENING=OFF"
else
    readelf -hdlW --dyn-syms "$packed_game" >"$tmp/readelf.txt" 2>&1 || fail "readelf failed"
    grep -Eq '^ +Type: +DYN ' "$tmp/readelf.txt" || fail "the game is not position-independent"
    grep -Eq '\(FLAGS_1\) +Flags: .*\bPIE\b' "$tmp/readelf.txt" || fail "the game is not marked PIE"
    grep -Eq '\bBIND_NOW\b|\(FLAGS_1\) +Flags: .*\bNOW\b' "$tmp/readelf.txt" ||
        fail "the game is not bound immediately (-z now)"
    grep -Eq '^ +GNU_RELRO ' "$tmp/readelf.txt" || fail "the game has no RELRO segment"
    grep -Eq ' __stack_chk_fail\b' "$tmp/readelf.txt" || fail "the game has no stack protector"
    # _FORTIFY_SOURCE turns a libc call into its checked __*_chk form only where the buffer's
    # size is known and the length is not: the game has no such call today (readelf shows the
    # ones it has), so what is checked is that every file was compiled with it, unless the
    # compiler defines it by itself or the builder's own flags took charge of it.
    optimised=$(cache_value CMAKE_BUILD_TYPE | grep -Ex 'Release|RelWithDebInfo|MinSizeRel') || true
    if [[ -n $optimised && -n $(cache_value ROADSHIFT_FORTIFY_UNDEFINED) ]]; then
        commands=$build/compile_commands.json
        [[ -f $commands ]] || fail "the build wrote no $commands"
        unfortified=$(grep '"command":' "$commands" | grep -v -- '-D_FORTIFY_SOURCE=[1-9]') &&
            fail "compiled without _FORTIFY_SOURCE: $unfortified"
    fi
    echo "package: ok hardening"
fi

passed=1
echo "package: all checks passed"
