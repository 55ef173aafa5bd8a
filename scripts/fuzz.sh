#!/usr/bin/env bash
# Fuzzes the profile file reader with libFuzzer for a short, bounded time.
# Usage: scripts/fuzz.sh <build folder> [runs] [jobs]   (the fuzzer is built in <build folder>/fuzz)
# Without a number of runs it runs for 30 s; with one, for that many inputs (or one pass over the
# corpus where that is more), shared out among [jobs] processes (1 unless given) on one corpus.
# Needs clang with its libFuzzer runtime; without them it says so and ends successfully.
# QUORBIX_WERROR=1 in the environment makes the fuzzer's compiler warnings errors.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-build}")"
out="$build/fuzz"
seconds=30
runs="${2:-}"
jobs="${3:-1}"
src="$root/tests/platform/fuzz"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is not installed; skipping the fuzz run (apt-get install clang)"
  exit 0
fi
mkdir -p "$out"
probe="$out/probe.cpp"
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' >"$probe"
if ! clang++ -fsanitize=fuzzer "$probe" -o "$out/probe" >/dev/null 2>&1; then
  echo "fuzz: clang++ has no libFuzzer runtime; skipping the fuzz run (apt-get install libclang-rt-dev)"
  exit 0
fi

werror=OFF
[[ "${QUORBIX_WERROR:-0}" == 1 ]] && werror=ON
cmake -S "$src" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORBIX_WERROR="$werror" >/dev/null
cmake --build "$out" -j "$(nproc)"

# New inputs go to the first folder; the committed seeds stay as they are.
mkdir -p "$out/corpus"
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz: FUZZ_JOBS must be a positive number, not '$jobs'" >&2; exit 2; }
if [[ -n "$runs" ]]; then
  [[ "$runs" =~ ^[0-9]+$ ]] || { echo "fuzz: FUZZ_RUNS must be a number, not '$runs'" >&2; exit 2; }
  bound=(-runs="$(( (runs + jobs - 1) / jobs ))")
  echo "fuzz: running the profile reader for ${runs} inputs in ${jobs} job(s)"
else
  bound=(-max_total_time="$seconds")
  echo "fuzz: running the profile reader for ${seconds} s in ${jobs} job(s)"
fi
fuzz=("$out/fuzz_profile_reader" "${bound[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048
      -dict="$src/profile.dict" -print_final_stats=1 -artifact_prefix="$out/" "$out/corpus" "$src/seeds")
if (( jobs == 1 )); then
  exec "${fuzz[@]}"
fi

# Each job writes its own log (fuzz-N.log in the fuzz folder); any finding fails the run.
cd "$out"
rm -f fuzz-*.log
status=0
"${fuzz[@]}" -jobs="$jobs" -workers="$jobs" || status=$?
total=0
for log in fuzz-*.log; do
  if grep -qE '^(==[0-9]+==ERROR|SUMMARY: )|deadly signal|^artifact_prefix' "$log"; then
    echo "fuzz: a finding in $out/$log:" >&2
    grep -E 'ERROR|SUMMARY|deadly signal|Test unit written' "$log" >&2 || true
    status=1
  fi
  units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  [[ -n "$units" ]] || { echo "fuzz: $out/$log did not finish" >&2; status=1; units=0; }
  total=$(( total + units ))
done
echo "fuzz: ${total} inputs run in ${jobs} jobs$( ((status == 0)) && echo ', no finding')"
exit "$status"
