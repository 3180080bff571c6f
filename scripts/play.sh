#!/usr/bin/env bash
# Installs what is missing, builds, and opens the game.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
build_dir="$("$root/scripts/build.sh" release | tail -n 1)"
exec "$build_dir/app/dilemata"
