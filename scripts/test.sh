#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   scripts/test.sh            the release build
#   scripts/test.sh sanitize   the same suite under AddressSanitizer and UBSan
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
build_dir="$("$root/scripts/build.sh" "${1:-release}" | tail -n 1)"
ctest --test-dir "$build_dir" --output-on-failure -j2
