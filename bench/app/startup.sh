#!/usr/bin/env bash
# Measures, side by side in one X server, the time from process start to the main window being
# visible and the resident memory two seconds after start, for the game and for a bare Qt main
# window with a menu bar and a status bar (our floor).
#
#   bench/app/startup.sh [build folder] [runs]
#
# Needs xvfb-run and xdotool. Each program runs in a fresh temporary folder, so the game starts
# with its default settings and writes nothing into the build.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-10}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
command -v xdotool >/dev/null || { echo "startup.sh needs xdotool" >&2; exit 1; }

now_ms() { date +%s%3N; }

# One run: prints "<ms to visible> <RSS kB at 2 s>".
measure() {
  local exe=$1 title=$2 work
  work=$(mktemp -d)
  cp "$exe" "$work/"
  local start pid visible=""
  start=$(now_ms)
  "$work/$(basename "$exe")" >/dev/null 2>&1 &
  pid=$!
  while [ -z "$visible" ]; do
    if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
      visible=$(( $(now_ms) - start ))
    fi
    if [ $(( $(now_ms) - start )) -gt 20000 ]; then echo "no window: $exe" >&2; break; fi
  done
  local rest=$(( 2000 - ($(now_ms) - start) ))
  [ "$rest" -gt 0 ] && sleep "$(echo "$rest / 1000" | bc -l)"
  local rss
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$work"
  echo "$visible $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

report() {
  local name=$1 exe=$2 title=$3 times=() rss=()
  for _ in $(seq "$runs"); do
    read -r t r < <(measure "$exe" "$title")
    times+=("$t"); rss+=("$r")
  done
  local mt mr
  mt=$(printf '%s\n' "${times[@]}" | median)
  mr=$(printf '%s\n' "${rss[@]}" | median)
  printf '%-12s start-up %5d ms (median of %d)   RSS at 2 s %6.1f MB\n' \
    "$name" "$mt" "$runs" "$(echo "$mr / 1024" | bc -l)"
  echo "$mt $mr" >"$tmp/$name"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Warm the file cache once for both, then measure them in turns.
measure "$build/quorbix-bare-window" "Bare main window" >/dev/null
measure "$build/quorbix" "Quorbix from" >/dev/null
report bare "$build/quorbix-bare-window" "Bare main window"
report quorbix "$build/quorbix" "Quorbix from"
read -r bt br <"$tmp/bare"
read -r qt qr <"$tmp/quorbix"
printf 'game / bare: start-up %.2f x, memory %.2f x\n' "$(echo "$qt / $bt" | bc -l)" "$(echo "$qr / $br" | bc -l)"
