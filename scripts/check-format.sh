#!/usr/bin/env bash
# Checks that the C++ files a change touches are formatted as .clang-format says.
# Usage: scripts/check-format.sh [base]
# The change is everything from base (a commit) to the working tree; without a base, from the
# commit before HEAD. Where there is no such commit (a clone of a single commit) or no git
# history at all, there is nothing to compare with and the check passes.
# Needs clang-format 14 (scripts/install-deps.sh installs it).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

base="${1:-HEAD~1}"
if ! git rev-parse --verify --quiet "$base^{commit}" >/dev/null 2>&1; then
  echo "check-format: no commit '$base' to compare with; nothing to check"
  exit 0
fi
command -v clang-format >/dev/null 2>&1 \
  || { echo "check-format: clang-format is not installed (apt-get install clang-format)" >&2; exit 1; }

files=()
while IFS= read -r f; do
  [[ -f "$f" ]] && files+=("$f")
done < <(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
if ((${#files[@]} == 0)); then
  echo "check-format: no C++ file changed since $base"
  exit 0
fi

if clang-format --dry-run --Werror --style=file "${files[@]}"; then
  echo "check-format: ${#files[@]} changed file(s) formatted"
else
  echo "check-format: format the files above with: clang-format -i --style=file FILE" >&2
  exit 1
fi
