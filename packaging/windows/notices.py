#!/usr/bin/python3
"""The licence notices of what the Windows program links.

Qt for Windows is linked into the program, and with it whichever of Qt's
bundled third-party parts the program's code reaches. Their notices must
travel with the program, and only theirs: which parts a program holds is
read from the linker's map of the program, down to Qt's object files.

  notices.py index --source QT_SOURCE --build QT_BUILD --output DIR
      Once, when Qt is built: keeps the licence texts and Qt's notes on its
      third-party parts, and which parts each of Qt's object files was
      compiled from (ninja's record of every file a compilation read).

  notices.py write --index DIR --map PROGRAM.map --qt-prefix QT ... --output FILE
      When the program is linked: writes its notices, from the object files
      that the map says were linked.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys

SOURCE_SUFFIXES = (".c", ".cc", ".cpp", ".h", ".hpp", ".inc", ".macros", ".icc", ".hlsl")


def as_list(value):
    if value is None:
        return []
    if isinstance(value, list):
        return value
    return value.split() if isinstance(value, str) and " " in value else [value]


def read_attributions(source):
    """Qt's notes on its third-party parts, each with the files it covers."""
    attributions = []
    for folder, _, files in os.walk(os.path.join(source, "src")):
        if "qt_attribution.json" not in files:
            continue
        with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as file:
            entries = json.loads(file.read(), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            covered = [os.path.normpath(os.path.join(folder, name)) for name in as_list(entry.get("Files"))]
            attributions.append({"entry": entry, "folder": folder, "files": covered})
    return attributions


def covering(attributions, path):
    """The ids of the parts that cover a source file."""
    ids = set()
    for attribution in attributions:
        if attribution["files"]:
            if path in attribution["files"]:
                ids.add(attribution["entry"]["Id"])
        elif path.startswith(attribution["folder"] + os.sep):
            ids.add(attribution["entry"]["Id"])
    return ids


def compiled_from(build):
    """Each object file of the build, with every file its compilation read."""
    output = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True,
                            capture_output=True, text=True).stdout
    objects = {}
    current = None
    for line in output.splitlines():
        if line and not line[0].isspace():
            current = line.split(":", 1)[0]
            objects[current] = []
        elif line.strip() and current is not None:
            objects[current].append(os.path.normpath(os.path.join(build, line.strip())))
    return objects


def licence_texts(source, attribution, output):
    """Copies the licence texts of a part into the index; returns their names."""
    entry = attribution["entry"]
    names = []
    for name in as_list(entry.get("LicenseFile")):
        path = os.path.normpath(os.path.join(attribution["folder"], name))
        relative = os.path.relpath(path, source)
        os.makedirs(os.path.join(output, os.path.dirname(relative)), exist_ok=True)
        shutil.copyfile(path, os.path.join(output, relative))
        names.append(relative)
    if not names:
        for licence in re.findall(r"[A-Za-z0-9.+-]+", entry.get("LicenseId", "")):
            if licence not in ("AND", "OR", "WITH") and \
                    os.path.exists(os.path.join(source, "LICENSES", licence + ".txt")):
                names.append(os.path.join("LICENSES", licence + ".txt"))
    return names


def index(arguments):
    source = os.path.abspath(arguments.source)
    attributions = read_attributions(source)
    memo = {}
    carried = {}
    for obj, paths in compiled_from(arguments.build).items():
        ids = set()
        for path in paths:
            if path.endswith(SOURCE_SUFFIXES) and path.startswith(source):
                if path not in memo:
                    memo[path] = covering(attributions, path)
                ids |= memo[path]
        if ids:
            carried.setdefault(os.path.basename(obj), set()).update(ids)

    output = arguments.output
    shutil.copytree(os.path.join(source, "LICENSES"), os.path.join(output, "LICENSES"),
                    dirs_exist_ok=True)
    parts = {}
    for attribution in attributions:
        entry = attribution["entry"]
        parts[entry["Id"]] = {
            "name": entry.get("Name", entry["Id"]),
            "version": entry.get("Version", ""),
            "homepage": entry.get("Homepage", ""),
            "licence": entry.get("License", ""),
            "licence_id": entry.get("LicenseId", ""),
            "copyright": as_list(entry.get("Copyright")) if isinstance(entry.get("Copyright"), list)
            else [line for line in str(entry.get("Copyright", "")).splitlines() if line.strip()],
            "texts": licence_texts(source, attribution, output),
        }
    with open(os.path.join(output, "parts.json"), "w", encoding="utf-8") as file:
        json.dump(parts, file, ensure_ascii=False, indent=1, sort_keys=True)
    with open(os.path.join(output, "objects.json"), "w", encoding="utf-8") as file:
        json.dump({obj: sorted(ids) for obj, ids in sorted(carried.items())}, file, indent=1)
    print(f"   {len(parts)} third-party parts; {len(carried)} object files carry one or more")


def linked_members(map_file, qt_prefix):
    """The archives of Qt and their members that the linker took in."""
    pattern = re.compile(r"(\S+\.a)\(([^)\s]+)\)")
    members = {}
    with open(map_file, encoding="utf-8", errors="replace") as file:
        for line in file:
            for archive, member in pattern.findall(line):
                if os.path.realpath(archive).startswith(os.path.realpath(qt_prefix)):
                    members.setdefault(os.path.basename(archive), set()).add(member)
    return members


MODULE_NAMES = {
    "libQt6Core.a": "Qt Core",
    "libQt6Gui.a": "Qt GUI",
    "libQt6Widgets.a": "Qt Widgets",
    "libqwindows.a": "the Windows platform plugin",
    "libqmodernwindowsstyle.a": "the Windows style plugin",
    "libqico.a": "the ICO image plugin",
    "libqgif.a": "the GIF image plugin",
}


def text_of(index_dir, name):
    with open(os.path.join(index_dir, name), encoding="utf-8", errors="replace") as file:
        return file.read().rstrip() + "\n"


def write(arguments):
    index_dir = arguments.index
    with open(os.path.join(index_dir, "parts.json"), encoding="utf-8") as file:
        parts = json.load(file)
    with open(os.path.join(index_dir, "objects.json"), encoding="utf-8") as file:
        carried = json.load(file)
    members = linked_members(arguments.map, arguments.qt_prefix)
    if "libQt6Core.a" not in members:
        sys.exit(f"{arguments.map} shows no object of Qt linked: is it the program's link map?")
    linked = sorted({part for objects in members.values() for obj in objects
                     for part in carried.get(obj, [])},
                    key=lambda part: parts[part]["name"].lower())
    modules = [MODULE_NAMES.get(archive, archive) for archive in sorted(members)]

    texts = ["LICENSES/LGPL-3.0-only.txt", "LICENSES/GPL-3.0-only.txt",
             "LICENSES/GPL-2.0-only.txt", "LICENSES/Qt-GPL-exception-1.0.txt"]
    lines = [
        f"{arguments.product} {arguments.version} for Windows: licences and notices",
        "",
        "THE GAME",
        "dilemata.exe is free software: you can redistribute it and/or modify it under the",
        "terms of the GNU General Public License as published by the Free Software",
        "Foundation, either version 3 of the License, or (at your option) any later",
        "version (LICENSE.txt). It comes with NO WARRANTY.",
        f"Its source is the project's repository{arguments.commit and ', commit ' + arguments.commit}.",
        "",
        "LINKED INTO dilemata.exe",
        f"Qt {arguments.qt_version} ({', '.join(modules)})",
        "  Copyright (C) The Qt Company Ltd. and other contributors.",
        "  Used under the GNU Lesser General Public License, version 3 (LGPL-3.0-only); Qt is",
        "  also available under the GNU General Public License, version 2 or 3.",
        f"  Source: Debian's qt6-base source package, version {arguments.debian_version},",
        f"  https://snapshot.debian.org/package/qt6-base/{arguments.debian_version}/",
        f"Qt's Bulgarian translations, from Debian's {arguments.translations_version}",
        "  (source package qt6-translations): same licences as Qt.",
        "The GCC runtime (libstdc++, libgcc): GPL-3.0-or-later WITH GCC-exception-3.1.",
        "The MinGW-w64 runtime and its POSIX threads library (winpthreads), as Debian",
        "  ships them in mingw-w64: see their copyright file at the end.",
        "",
        "THIRD-PARTY PARTS OF QT LINKED INTO dilemata.exe",
    ]
    for part_id in linked:
        part = parts[part_id]
        version = f" {part['version']}" if part["version"] else ""
        lines.append(f"* {part['name']}{version}: {part['licence_id'] or part['licence']}")
        lines += [f"  {line.strip()}" for line in part["copyright"]]
        if part["homepage"]:
            lines.append(f"  {part['homepage']}")
        texts += [text for text in part["texts"] if text not in texts]

    lines += ["", "LICENCE TEXTS", ""]
    for name in texts:
        lines += ["=" * 78, name, "=" * 78, text_of(index_dir, name)]
    for name in arguments.copyright_file:
        with open(name, encoding="utf-8") as file:
            lines += ["=" * 78, name, "=" * 78, file.read().rstrip() + "\n"]
    with open(arguments.output, "w", encoding="utf-8", newline="\r\n") as file:
        file.write("\n".join(lines))
    print(f"notices of {len(linked)} third-party parts: {', '.join(linked)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    making = commands.add_parser("index")
    making.add_argument("--source", required=True)
    making.add_argument("--build", required=True)
    making.add_argument("--output", required=True)
    writing = commands.add_parser("write")
    writing.add_argument("--index", required=True)
    writing.add_argument("--map", required=True)
    writing.add_argument("--qt-prefix", required=True)
    writing.add_argument("--qt-version", required=True)
    writing.add_argument("--debian-version", required=True)
    writing.add_argument("--translations-version", required=True)
    writing.add_argument("--product", required=True)
    writing.add_argument("--version", required=True)
    writing.add_argument("--commit", default="")
    writing.add_argument("--copyright-file", action="append", default=[])
    writing.add_argument("--output", required=True)
    arguments = parser.parse_args()
    index(arguments) if arguments.command == "index" else write(arguments)


if __name__ == "__main__":
    main()
