#!/usr/bin/env bash
# Fails when a tracked C++ file is not in the project's clang-format style (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file is in the project's style"
