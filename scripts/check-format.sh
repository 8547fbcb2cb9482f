#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the C++ lines a change touches follow .clang-format; whole
# files need not. The change is the last commit (against its first parent)
# unless a base is given, e.g. the branch point of a whole branch:
#     bash scripts/check-format.sh [BASE]
# Prints what clang-format would change and exits 1 if anything; exits 77
# ("skipped") outside a git checkout. To format those lines in place:
#     git clang-format BASE
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git rev-parse --git-dir > /dev/null 2>&1; then
    echo "not a git checkout: nothing to check"
    exit 77
fi
command -v git-clang-format > /dev/null || { echo "git-clang-format not found (package clang-format)" >&2; exit 2; }
base=${1:-HEAD~1}
if ! git rev-parse --verify --quiet "$base^{commit}" > /dev/null; then
    echo "no commit $base to compare with: nothing to check"
    exit 77
fi
diff=$(git clang-format --quiet --diff --extensions cpp,h "$base" -- || true)
if [ -n "$diff" ] && [ "$diff" != "no modified files to format" ] \
        && [ "$diff" != "clang-format did not modify any files" ]; then
    echo "Lines changed since $base that .clang-format would write otherwise:"
    echo "$diff"
    echo "Format them with: git clang-format $base"
    exit 1
fi
echo "the changed lines since $base follow .clang-format"
