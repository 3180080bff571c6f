#!/usr/bin/env bash
# Validates AppStream metadata as software centres read it: a metainfo file,
# or an installed tree with its desktop entry and icons. The project has no
# web home yet, so AppStream 1.0's one finding that only a homepage can meet,
# url-homepage-missing, is accepted; any other warning or error fails. The
# licence that software centres show must be the game's own.
#   validate_metainfo.sh FILE.metainfo.xml
#   validate_metainfo.sh --tree ROOT
set -euo pipefail

if [ "$1" = --tree ]; then
  command=(appstreamcli validate-tree --no-net "$2")
else
  command=(appstreamcli validate --no-net "$1")
  if ! grep -q '<project_license>GPL-3.0-or-later</project_license>' "$1"; then
    echo "FAIL: the project's licence in $1 is not GPL-3.0-or-later"
    exit 1
  fi
fi
output="$("${command[@]}" 2>&1)" && status=0 || status=$?
echo "$output"
if [ "$status" -eq 0 ]; then
  exit 0
fi
findings="$(grep -E '^[[:space:]]*[EW]: ' <<<"$output" || true)"
others="$(grep -v -E '^[[:space:]]*W: [^ ]+: url-homepage-missing$' <<<"$findings" || true)"
if [ -n "$findings" ] && [ -z "$others" ]; then
  echo "accepted: the one finding is the missing homepage"
  exit 0
fi
exit 1
