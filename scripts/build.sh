#!/usr/bin/env bash
# Configures and builds into a build folder of the checkout.
#   scripts/build.sh            a release build in build/
#   scripts/build.sh sanitize   an AddressSanitizer and UBSan build in build-sanitize/
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:-release}"

case "$flavour" in
  release)
    build_dir="$root/build"
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    ;;
  sanitize)
    build_dir="$root/build-sanitize"
    options=(-DCMAKE_BUILD_TYPE=Debug -DDILEMATA_SANITIZE=ON)
    ;;
  *)
    echo "usage: $0 [release|sanitize]" >&2
    exit 2
    ;;
esac

cmake -S "$root" -B "$build_dir" -DDILEMATA_WERROR=ON "${options[@]}" >/dev/null
cmake --build "$build_dir" -j2
echo "$build_dir"
