#!/usr/bin/env bash
# Builds the Windows installer with wixl from dilemata.wxs, out of a folder
# that holds dilemata.exe, dilemata.ico, LICENSE.txt and
# THIRD-PARTY-NOTICES.txt.
#
# Windows Installer keeps its texts in a Windows code page. wixl writes them
# in the code page of the language it is told (WINDOWS_LANGUAGE), here
# Bulgarian's, 1251; the database is then marked with that code page
# (_ForceCodepage), so that Windows shows the Bulgarian names right whatever
# its own language. Without both, wixl drops every Cyrillic letter.
#   build_msi.sh FOLDER VERSION OUTPUT.msi
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
folder="$1"
version="$2"
output="$(realpath -m "$3")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# wixl finds the files named in the source in the folder it runs in.
(cd "$folder" && WINDOWS_LANGUAGE=bg wixl -a x64 -D Version="$version" -o "$work/package.msi" \
  "$here/dilemata.wxs" 2>&1) | (grep -v -e '^$' -e 'builder.vala:[0-9]*: unimplemented' || true)
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
WINDOWS_LANGUAGE=bg msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt"
mv "$work/package.msi" "$output"
