#!/usr/bin/python3
"""What Windows learns of dilemata.exe before it runs it.

It is a 64-bit program for the Windows GUI, so no console opens beside the
game; it imports Windows' own DLLs alone: each is in the system folder of a
Windows (here the build's Wine prefix), or is one of the API sets that
Windows' loader maps to its own DLLs since Windows 8 (api-ms-win-*); its icon group
holds every size from 16 to 256 pixels; and its version resource names the
product, its version, a description and the licence.

  program_facts.py PROGRAM.exe WINE_PREFIX VERSION
"""

import os
import sys

import pefile

GUI_SUBSYSTEM = 2
X64 = 0x8664
NOT_WINDOWS = ("qt", "libstdc++", "libgcc", "libwinpthread", "mingw")


def check(failures, condition, message):
    print(("ok: " if condition else "FAIL: ") + message)
    if not condition:
        failures.append(message)


def strings_of(pe):
    """The version resource's texts, by name."""
    texts = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                texts.update({k.decode(): v.decode("utf-8") for k, v in table.entries.items()})
    return texts


def icon_sizes(pe):
    """The sizes in the program's first icon group."""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            resource = kind.directory.entries[0].directory.entries[0].data.struct
            data = pe.get_data(resource.OffsetToData, resource.Size)
            count = int.from_bytes(data[4:6], "little")
            return sorted(data[6 + 14 * i] or 256 for i in range(count))
    return []


def main():
    program, prefix, version = sys.argv[1:4]
    pe = pefile.PE(program)
    failures = []
    check(failures, pe.FILE_HEADER.Machine == X64, "a 64-bit x86 program")
    check(failures, pe.OPTIONAL_HEADER.Subsystem == GUI_SUBSYSTEM,
          "a Windows GUI program, which opens no console")

    system = {name.lower() for name in os.listdir(os.path.join(prefix, "drive_c/windows/system32"))}
    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    print("imports: " + ", ".join(imports))
    check(failures, not any(name.startswith(NOT_WINDOWS) for name in imports),
          "no Qt, C++ runtime, GCC or threads DLL")
    missing = [name for name in imports if name not in system and not name.startswith("api-ms-win-")]
    check(failures, not missing, "every DLL it imports is one of Windows' own"
          + (f"; not in Windows' system folder: {', '.join(missing)}" if missing else ""))

    sizes = icon_sizes(pe)
    check(failures, sizes == [16, 32, 64, 128, 256], f"its icon at 16 to 256 pixels: {sizes}")

    texts = strings_of(pe)
    print("version resource: " + "; ".join(f"{k}={v}" for k, v in sorted(texts.items())))
    check(failures, texts.get("ProductName") == "Дилемата на затворника", "the product's name")
    check(failures, texts.get("ProductVersion") == version == texts.get("FileVersion"),
          f"version {version}")
    check(failures, bool(texts.get("FileDescription")), "a description")
    check(failures, "GPL-3.0-or-later" in texts.get("LegalCopyright", ""), "the licence")
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16]
    check(failures, ".".join(map(str, numbers)) == version, f"the file version's numbers {numbers}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
