#!/bin/sh
# Fails when a C++ source differs from what .clang-format makes of it.
set -e
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
[ -z "$files" ] && exit 0
clang-format --dry-run --Werror $files
