#!/usr/bin/env bash
# Fails when a C++ file is not formatted as .clang-format says.
#   scripts/check-format.sh          every tracked C++ file
#   scripts/check-format.sh REV      only the files changed since REV
# `clang-format -i FILE` formats a file in place.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
    mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$1" -- '*.cpp' '*.h')
else
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && { echo "format: no C++ files to check"; exit 0; }
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format says"
