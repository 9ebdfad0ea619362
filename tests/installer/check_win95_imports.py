#!/usr/bin/env python3
"""Checks that the Windows programs import only functions that Windows 95 and
Windows NT 4.0 both offer, as listed in tests/win95_imports.txt.

Usage: check_win95_imports.py OBJDUMP ALLOW_LIST EXE...
       check_win95_imports.py --list OBJDUMP EXE...   (prints the imports)

A function missing from the list fails the check until its availability on both
systems has been checked and it is added (or it is loaded at run time instead).
"""

import os
import re
import subprocess
import sys


def imports_of(objdump, exe):
    """{"kernel32.dll CreateFileA", ...}; an import by ordinal shows as "#n"."""
    listing = subprocess.run([objdump, "-p", exe], capture_output=True, text=True,
                             check=True).stdout
    found = set()
    dll = None
    for line in listing.splitlines():
        named = re.match(r"\s*DLL Name:\s*(\S+)", line)
        if named:
            dll = named.group(1).lower()
            continue
        if dll is None:
            continue
        if not line.strip():
            dll = None
            continue
        entry = re.match(r"\s*[0-9a-f]+\s+(\d+)\s+(\S+)?\s*$", line)
        if entry:
            found.add(f"{dll} {entry.group(2) or '#' + entry.group(1)}")
    return found


def allow_list(path):
    allowed = set()
    with open(path, encoding="ascii") as lines:
        for line in lines:
            line = line.split("#", 1)[0].strip()
            if line:
                dll, function = line.split()
                allowed.add(f"{dll.lower()} {function}")
    return allowed


def main(argv):
    if len(argv) >= 3 and argv[1] == "--list":
        for name in sorted(set().union(*(imports_of(argv[2], exe) for exe in argv[3:]))):
            print(name)
        return 0
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    objdump, allowed = argv[1], allow_list(argv[2])
    failed = False
    for exe in argv[3:]:
        if not os.path.exists(exe):
            print(f"{exe}: missing (build the Windows programs first)")
            failed = True
            continue
        unknown = sorted(imports_of(objdump, exe) - allowed)
        for name in unknown:
            print(f"{os.path.basename(exe)}: imports {name}, which is not on the "
                  f"Windows 95 / NT 4.0 list")
        failed = failed or bool(unknown)
        if not unknown:
            print(f"{os.path.basename(exe)}: every import is on the list")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
