#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark; each prints its
# own figures. Benchmarks measure, they do not pass or fail.
#   scripts/bench.sh [quick]   quick: fewer runs and presses, for a smoke check
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
build_dir="$("$root/scripts/build.sh" release | tail -n 1)"
bench="$build_dir/bench"

rounds=10000000 presses=10000 startups=20 long_play=200000
if [ "${1:-}" = quick ]; then
  rounds=1000000 presses=1000 startups=5 long_play=5000
fi
on_x() { xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$@"; }

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
"$bench/bench_rules" "$rounds"
echo
QT_QPA_PLATFORM=offscreen "$bench/bench_banker" "$presses"
echo
(unset QT_QPA_PLATFORM; on_x "$bench/bench_banker" "$presses")
echo
QT_QPA_PLATFORM=offscreen "$bench/bench_startup" "$bench/startup_probe" "$startups"
echo
(unset QT_QPA_PLATFORM; on_x "$bench/bench_startup" "$bench/startup_probe" "$startups")
echo
QT_QPA_PLATFORM=offscreen "$bench/bench_long_play" "$long_play"
