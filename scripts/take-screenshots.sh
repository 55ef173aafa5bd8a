#!/usr/bin/env bash
# Takes the screenshots the AppStream metadata shows (data/screenshots/) from the real game
# under Xvfb: a new game with the Standard pictures, and one with the Big pictures.
# Usage: scripts/take-screenshots.sh [build folder]   (needs xvfb-run, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=data/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of its own, so the settings it keeps beside itself are those chosen here.
cp "$build/quorbix" "$build/quorbix.hlp" "$work/"

shoot() {  # picture size code (0 Standard, 1 Big), file name
    printf '[Kids]\nKids Symbols=%s\n' "$1" >"$work/quorbix.ini"
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        "$1/quorbix" & game=$!
        window=$(xdotool search --sync --onlyvisible --name "^Quorbix" | head -1)
        sleep 1
        import -window "$window" "$2"
        kill "$game"' _ "$work" "$work/$2"
    # Stored without the time stamps ImageMagick writes, so an unchanged picture stays the same.
    convert "$work/$2" -strip "$out/$2"
    identify -format "$2: %w x %h\n" "$out/$2"
}
mkdir -p "$out"
shoot 0 quorbix-board.png
shoot 1 quorbix-big.png
