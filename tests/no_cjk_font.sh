#!/usr/bin/env bash
# A Japanese player whose desktop has no face for Japanese: the game says so on standard error
# and plays in English, rather than showing empty boxes for every word. The game sees only the
# DejaVu faces, through a fontconfig set-up of its own in a throwaway folder.
#
# usage: tests/no_cjk_font.sh <roadshift binary>
set -uo pipefail

binary=${1:?usage: no_cjk_font.sh <roadshift binary>}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-fonts.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
failed=0

dejavu=$(fc-list -f '%{file}\n' 'DejaVu Sans' | head -n 1)
[[ -n $dejavu ]] || { echo "no_cjk_font: DejaVu Sans is not installed" >&2; exit 1; }
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$(dirname "$dejavu")</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF

# The game runs until the timeout ends it; what it said by then is what a player saw.
run() {
    env XDG_CONFIG_HOME="$tmp/home" QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null "$@" \
        timeout 4 "$binary" 2>&1 | grep -v XDG_RUNTIME_DIR
}

said=$(run FONTCONFIG_FILE="$tmp/fonts.conf" LANGUAGE=ja)
if grep -q "^roadshift: .*日本語.*fonts-noto-cjk" <<<"$said"; then
    echo "no_cjk_font: ok without a Japanese face: $said"
else
    echo "no_cjk_font: FAIL: without a Japanese face the game said: $said" >&2
    failed=1
fi

# With the system's faces the Japanese player gets Japanese, and no such line.
if fc-list ':lang=ja' | grep -q .; then
    said=$(run LANGUAGE=ja)
    if grep -q "fonts-noto-cjk" <<<"$said"; then
        echo "no_cjk_font: FAIL: with a Japanese face the game said: $said" >&2
        failed=1
    else
        echo "no_cjk_font: ok with a Japanese face"
    fi
fi
exit $failed
