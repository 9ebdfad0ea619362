"""Resource ids for the end-to-end tests, read from the program's own headers
(resources/*Ids.h), so that a test never drives a control by a number the program no
longer uses: `from zfids import IDC_VOCAB_LIST`. An id that the headers no longer define
fails at the import ("cannot import name"), naming the id."""

import glob
import os
import re

RESOURCES = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))), "resources")

# Windows' own dialog and message box answers (winuser.h), which the headers use but do
# not define.
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7

_DEFINE = re.compile(r"^\s*#define\s+([A-Z][A-Z0-9_]*)\s+(0[xX][0-9a-fA-F]+|\d+)\s*(//.*)?$")


def read_ids(path):
    """{name: value} of the `#define NAME number` lines of one header."""
    with open(path, encoding="ascii") as header:
        return {m.group(1): int(m.group(2), 0) for m in map(_DEFINE.match, header) if m}


def _read_all():
    ids = {}
    for path in sorted(glob.glob(os.path.join(RESOURCES, "*Ids.h"))):
        for name, value in read_ids(path).items():
            if ids.get(name, value) != value:
                raise ImportError(f"{name} has two values in {RESOURCES}")
            ids[name] = value
    return ids


globals().update(_read_all())
