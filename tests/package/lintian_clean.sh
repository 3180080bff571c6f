#!/usr/bin/env bash
# Runs lintian on the binary package as Debian would check it, and fails on
# any error or warning, with one exception: lintian passes on AppStream's
# verdict on the installed tree, and that verdict may be accepted as the
# metainfo's own is, for the missing homepage alone. Every tag is shown,
# informational and pedantic ones included.
#   lintian_clean.sh PACKAGE_DIR
set -euo pipefail

here="$(dirname "${BASH_SOURCE[0]}")"
deb="$(find "$1" -maxdepth 1 -name 'dilemata_*.deb' | head -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

lintian --version
report="$(lintian --info --display-info --pedantic "$deb" 2>&1)" || true
echo "$report"
findings="$(grep -E '^[EW]: ' <<<"$report" || true)"
appstream='^W: dilemata: appstream-metadata-validation-failed '
if grep -q -E "$appstream" <<<"$findings"; then
  dpkg-deb -x "$deb" "$work/root"
  "$here/validate_metainfo.sh" --tree "$work/root" || exit 1
  findings="$(grep -v -E "$appstream" <<<"$findings" || true)"
fi
if [ -n "$findings" ]; then
  echo "FAIL: lintian found errors or warnings"
  exit 1
fi
echo "PASS: no error and no warning"
