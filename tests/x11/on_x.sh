#!/usr/bin/env bash
# Runs a command on a fresh Xvfb server of its own, as the real X path: the
# platform the caller may have set for headless tests is dropped.
#   on_x.sh COMMAND [ARGUMENTS...]
set -euo pipefail
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$@"
