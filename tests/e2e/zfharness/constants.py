"""Every number and name the end-to-end tests, the demo and the benchmarks share with
Windows and with the programs, defined once: `from zfharness.constants import WM_COMMAND,
MAIN_TITLE, IDC_VOCAB_LIST`.

The resource ids are read from the program's own headers (resources/*Ids.h), so that a test
never drives a control by a number the program no longer uses: an id that the headers no
longer define fails at the import ("cannot import name"), naming the id."""

import glob
import os
import re

from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE

# -- Windows' own values (winuser.h, commctrl.h, dlgs.h) ----------------------------------

WM_NULL = 0x0000
WM_CLOSE = 0x0010
WM_GETTEXTLENGTH = 0x000E
WM_ENDSESSION = 0x0016
WM_CONTEXTMENU = 0x007B
WM_COMMAND = 0x0111
WM_SYSCOMMAND = 0x0112
WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN = 0x0201, 0x0202, 0x0204
SC_MAXIMIZE = 0xF030
EM_GETSEL = 0x00B0
EM_GETMODIFY = 0x00B8
EM_CHARFROMPOS = 0x00D7
LB_GETITEMRECT = 0x0198
LB_GETITEMHEIGHT = 0x01A1
LVM_GETITEMCOUNT = 0x1004
LVM_GETNEXTITEM = 0x100C
LVM_GETCOLUMNWIDTH = 0x101D
LVNI_SELECTED = 0x0002
LVIS_FOCUSED = 0x1
LVIS_SELECTED = 0x2
LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL = 0, 1, 2
TVM_GETNEXTITEM, TVGN_CARET = 0x110A, 0x0009
BST_UNCHECKED, BST_CHECKED = 0, 1
WS_EX_TOPMOST = 0x0008
VK_SHIFT, VK_CONTROL, VK_MENU = 0x10, 0x11, 0x12
SM_SWAPBUTTON = 23
NIN_KEYSELECT = 0x0401
# Dialog and message box answers, which the program's headers use but do not define.
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7
# The static control that holds a message box's text.
MESSAGE_TEXT_ID = 0xFFFF
# The file name and file type boxes of the common Open dialog.
CMB_FILE_NAME, CMB_FILE_TYPE = 0x47C, 0x470

# -- Windows programs and files the tests use ----------------------------------------------

WORDPAD = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"
SHELL32_PATH = "C:\\windows\\system32\\shell32.dll"

# -- zfw32 ---------------------------------------------------------------------------------

PROGRAM_FOLDER = "C:\\Zembrafind"
PROGRAM = PROGRAM_FOLDER + "\\zfw32.exe"
DATA_FILE = PROGRAM_FOLDER + "\\data.dat"
# The hidden main window that owns the tray icon.
MAIN_TITLE = "kestrelwin"
# The tabbed window; the program's message boxes have the same caption.
TABBED_TITLE = "Zembrafind"
FOUND_TITLE = "Keywords found"
GOTO_TITLE = '"Go to" settings'
SELECT_TITLE = '"Select text" settings'
SOUND_FILE = "Sound File"
# A keyword entry's match mode as the pages show it.
MODE_NAMES = {ANY_WORD: "Any word", ALL_WORDS: "All words", EXACT_PHRASE: "Exact phrase"}

# -- install.exe and uninstzfw.exe ---------------------------------------------------------

CAPTION = "Zembrafind Installation"
UNINSTALL_CAPTION = "Zembrafind Uninstall"
DEFAULT_FOLDER = "C:\\Program Files\\Zembrafind"

# -- the programs' resource ids --------------------------------------------------------------

RESOURCES = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))), "resources")

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


RESOURCE_IDS = _read_all()
globals().update(RESOURCE_IDS)
# A control's id by its number, to name it in a failure.
ID_NAMES = {value: name for name, value in RESOURCE_IDS.items() if name.startswith("IDC_")}
