#!/usr/bin/python3
"""Reads a Wine prefix's registry from its files, as Windows would show it.

  wine_registry.py PREFIX keys
      every key of the machine's and the user's registry, one a line
  wine_registry.py PREFIX values KEY
      the values of the machine's KEY and of the keys beneath it, as
      KEY|NAME=VALUE lines

Wine writes the registry to its files when the prefix's Wine server ends.
"""

import os
import re
import sys

FILES = {"HKLM": "system.reg", "HKCU": "user.reg"}
SECTION = re.compile(r'^\[(.+)\](?: \d+)?$')
VALUE = re.compile(r'^("(?:[^"\\]|\\.)*"|@)=(.*)$')


def unescape(text):
    """Wine's escapes: \\xHHHH for a UTF-16 unit, \\\\ and \\" for themselves."""
    units = re.sub(r'\\x([0-9a-fA-F]{1,4})|\\(.)',
                   lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), text)
    return units.encode("utf-16", "surrogatepass").decode("utf-16", "replace")


def read(prefix):
    """Each key, by its full name, with its values."""
    keys = {}
    for hive, name in FILES.items():
        current = None
        with open(os.path.join(prefix, name), encoding="utf-8", errors="replace") as file:
            for line in file:
                line = line.rstrip("\n")
                section = SECTION.match(line)
                if section:
                    current = keys.setdefault(hive + "\\" + unescape(section.group(1)), {})
                    continue
                value = VALUE.match(line)
                if current is not None and value:
                    data = value.group(2)
                    if data.startswith('"'):
                        data = unescape(data[1:-1])
                    current[unescape(value.group(1).strip('"'))] = data
    return keys


def main():
    prefix, command = sys.argv[1], sys.argv[2]
    keys = read(prefix)
    if command == "keys":
        for key in sorted(keys):
            print(key)
    elif command == "values":
        wanted = sys.argv[3].lower()
        for key in sorted(keys):
            if key.lower() == wanted or key.lower().startswith(wanted + "\\"):
                for name, data in sorted(keys[key].items()):
                    print(f"{key}|{name}={data}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
