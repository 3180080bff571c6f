#!/usr/bin/python3
"""What goes out to Windows players beside the program.

The portable zip holds, in a folder of its own, the program and its texts,
the same as the installer's. The notices name the game's licence and where
its source is, Qt with the Debian source package it was built from, and
each third-party part of Qt that the program links with its licence text:
among them zlib, libpng, HarfBuzz, FreeType and PCRE2. Parts of Qt that
the program does not link (Qt Test's, those of features that are off) are
not named.

  release_contents.py ZIP RELEASE_FOLDER
"""

import os
import sys
import zipfile

LINKED = ["Data Compression Library (zlib)", "LibPNG", "HarfBuzz-NG", "Freetype 2", "PCRE2"]
NOT_LINKED = ["Catch2", "Valgrind", "libjpeg", "Vulkan Memory Allocator", "Android"]


def main():
    archive, release = sys.argv[1:3]
    failures = []

    def check(condition, message):
        print(("ok: " if condition else "FAIL: ") + message)
        if not condition:
            failures.append(message)

    folder = os.path.basename(release.rstrip("/"))
    texts = ["dilemata.exe", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt"]
    with zipfile.ZipFile(archive) as zipped:
        names = sorted(zipped.namelist())
        check(names == sorted(f"{folder}/{name}" for name in texts), f"the zip holds {names}")
        for name in texts:
            with open(os.path.join(release, name), "rb") as released:
                check(zipped.read(f"{folder}/{name}") == released.read(), f"its {name} is the one built")

    with open(os.path.join(release, "THIRD-PARTY-NOTICES.txt"), encoding="utf-8") as file:
        notices = file.read()
    parts = [line[2:] for line in notices.splitlines() if line.startswith("* ")]
    check("GNU General Public License" in notices and "version 3 of the License" in notices,
          "the game's licence, GPL-3.0-or-later")
    check("the project's repository" in notices, "where the game's source is")
    check("Debian's qt6-base source package, version 6.8" in notices,
          "the Debian source of Qt, with its version")
    for name in LINKED:
        check(any(part.startswith(name) for part in parts), f"names {name}")
    for name in NOT_LINKED:
        check(not any(name.lower() in part.lower() for part in parts), f"does not name {name}")
    for text in ["zlib/LICENSE", "libpng/LICENSE", "harfbuzz-ng/COPYING", "freetype/LICENSE.txt",
                 "pcre2/LICENCE", "LICENSES/LGPL-3.0-only.txt"]:
        check(f"/{text}" in notices or f"\n{text}" in notices, f"holds the text of {text}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
