#!/bin/sh
# Fails when a source file is not formatted as .clang-format says.
set -e
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
