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

# One run: prints "<ms to visible> <RSS kB at 2 s>", or nothing when the program did not come up
# (the X server refused it, say); the caller runs it again.
measure() {
  local exe=$1 title=$2 work
  work=$(mktemp -d)
  cp "$exe" "$work/"
  local start pid visible=""
  start=$(now_ms)
  "$work/$(basename "$exe")" >"$tmp/last.log" 2>&1 &
  pid=$!
  while [ -z "$visible" ]; do
    if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
      visible=$(( $(now_ms) - start ))
    elif ! kill -0 "$pid" 2>/dev/null || [ $(( $(now_ms) - start )) -gt 20000 ]; then
      echo "$exe did not come up:" >&2; cat "$tmp/last.log" >&2
      kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$work"
      return
    fi
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

# A run that did not come up is tried again, up to three times.
measure_once() {
  local result=""
  for _ in 1 2 3; do
    result=$(measure "$@")
    [ -n "$result" ] && break
  done
  echo "$result"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Wait for the X server, warm the file cache once for both, then measure them in turns so that
# both see the same load on the machine.
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.1; done
measure_once "$build/quorbix-bare-window" "Bare main window" >/dev/null
measure_once "$build/quorbix" "Quorbix from" >/dev/null
for _ in $(seq "$runs"); do
  measure_once "$build/quorbix-bare-window" "Bare main window" >>"$tmp/bare"
  measure_once "$build/quorbix" "Quorbix from" >>"$tmp/quorbix"
done

summary() {
  local name=$1 t r
  t=$(awk 'NF == 2 {print $1}' "$tmp/$name" | median)
  r=$(awk 'NF == 2 {print $2}' "$tmp/$name" | median)
  printf '%-8s start-up %5d ms (median of %d)   RSS at 2 s %6.1f MB\n' \
    "$name" "$t" "$(awk 'NF == 2' "$tmp/$name" | wc -l)" "$(echo "$r / 1024" | bc -l)"
  echo "$t $r" >"$tmp/$name.median"
}
summary bare
summary quorbix
read -r bt br <"$tmp/bare.median"
read -r qt qr <"$tmp/quorbix.median"
printf 'game / bare: start-up %.2f x, memory %.2f x\n' "$(echo "$qt / $bt" | bc -l)" "$(echo "$qr / $br" | bc -l)"
