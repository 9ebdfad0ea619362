"""Steps shared by the reading tests and the demo: the program with vocabularies, documents
in notepad, the tray icon dragged onto a window, and what the read left behind."""

import os
import time

import zfdata
import zfids

PROGRAM_FOLDER = "C:\\Zembrafind"
WORDPAD = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"
FOUND_TITLE = "Keywords found"
EM_GETSEL = 0x00B0
EM_GETMODIFY = 0x00B8
EM_CHARFROMPOS = 0x00D7
WM_GETTEXTLENGTH = 0x000E
LB_GETITEMHEIGHT = 0x01A1
WS_EX_TOPMOST = 0x0008
GO_TO_ID = zfids.IDC_FOUND_GO_TO


def start_reader(desk, vocabularies, settings=None):
    """Installs the built product with a data.dat of these vocabularies, starts zfw32 from
    its folder and waits for its tray icon; returns the Popen."""
    desk.install_dist(PROGRAM_FOLDER)
    desk.write_file(PROGRAM_FOLDER + "\\data.dat", zfdata.data_file(vocabularies, settings))
    process = desk.run(PROGRAM_FOLDER + "\\zfw32.exe", cwd=PROGRAM_FOLDER)
    desk.wait_window(title="kestrelwin", visible=None)
    desk.wait_for(desk.tray_icon_shown, message="the tray icon")
    return process


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def document_point(desk, notepad):
    """A point inside notepad's text area, below the text of a short document."""
    edit = desk.probe.control(notepad, cls="Edit")
    left, top, right, bottom = edit["rect"]
    return (left + right) // 2, top + (bottom - top) * 2 // 3


def open_wordpad(desk, path, length, timeout=120):
    """Opens the document in WordPad; returns (window, rich edit control) records once the
    control holds `length` characters (WM_GETTEXT counts a line break as two)."""
    desk.run(WORDPAD, args=[path])

    def loaded():
        for window in desk.probe.find_windows(cls="WORDPADTOP"):
            edit = desk.probe.control(window["hwnd"], cls="RichEdit20W")
            if edit and desk.probe.send(edit["hwnd"], WM_GETTEXTLENGTH) >= length:
                return window, edit
        return None
    return desk.wait_for(loaded, timeout=timeout, message=f"WordPad showing {path}")


def foreground(desk):
    """The foreground window's record; {} while no window is in front."""
    return desk.probe.foreground() or {}


def put_in_front(desk, notepad):
    desk.click(*document_point(desk, notepad))
    desk.wait_for(lambda: foreground(desk).get("hwnd") == notepad, message="notepad in front")


def put_desktop_in_front(desk):
    desk.click(*desk.desktop_point())
    desk.wait_for(lambda: foreground(desk).get("class") == "#32769",
                  message="the desktop in front")


def drag_tray_icon(desk, point, release=True):
    """Holds the tray icon (long enough to start the drag) and drags it to point."""
    desk.drag(desk.tray_point(), point, steps=12, hold_ms=400, step_ms=40, release=release)


def found_window(desk):
    """The Keywords found window's record (shown or hidden), or None."""
    return desk.probe.find_window(title=FOUND_TITLE, visible=None)


def shown_found_window(desk):
    """The Keywords found window's record while it shows, else None. The program keeps the
    window, hidden, between reads (and makes it before the first)."""
    window = found_window(desk)
    return window if window and window["visible"] else None


def found_list(desk, window):
    """{"items", "selected", ...} of the window's list box, and the list box's record."""
    box = desk.probe.control(window["hwnd"], cls="ListBox")
    return desk.probe.listbox(box["hwnd"]), box


def tray_icon_busy(desk):
    """Whether the tray icon shows the busy image: only that one has a yellow lens (the
    dragged icon and the traces a drag leaves on the taskbar have none)."""
    image = desk.tray_icon_image()
    return any(image[i] > 200 and image[i + 1] > 200 and image[i + 2] < 100
               for i in range(0, len(image), 3))


def wait_busy(desk, timeout=10):
    desk.wait_for(lambda: tray_icon_busy(desk), timeout=timeout, interval=0.02,
                  message="the busy tray icon")


def wait_idle(desk, idle_image, timeout=30):
    """Waits until the tray icon shows its idle image (again)."""
    desk.wait_for(lambda: desk.tray_icon_image() == idle_image, timeout=timeout, interval=0.05,
                  message="the idle tray icon")


def read_by_drop(desk, point, idle_image):
    """Drops the tray icon at point, which must start a read, and waits for its end (the
    busy icon seen, then the idle one); returns the seconds from the release to the end."""
    drag_tray_icon(desk, point)
    watch = Stopwatch()
    wait_busy(desk)
    wait_idle(desk, idle_image)
    return watch.seconds()


def edit_selection(desk, notepad):
    """(start, end) of the selection in notepad's edit control."""
    return selection(desk, desk.probe.control(notepad, cls="Edit")["hwnd"])


def selection(desk, control):
    """(start, end) of an edit or rich edit control's selection (documents below 64 KB)."""
    result = desk.probe.send(control, EM_GETSEL) & 0xFFFFFFFF
    return result & 0xFFFF, result >> 16


def notepad_char_at(desk, notepad, point):
    """The index of the character of notepad's text nearest to a screen point."""
    edit = desk.probe.control(notepad, cls="Edit")
    left, top, _, _ = edit["rect"]
    border = 2  # the client edge
    x, y = point[0] - left - border, point[1] - top - border
    return desk.probe.send(edit["hwnd"], EM_CHARFROMPOS, 0, (y << 16) | x) & 0xFFFF


def expected_selection(document, keyword):
    """Where notepad's case-blind Find selects the keyword's first occurrence."""
    text = document.replace("\n", "\r\n")
    start = text.lower().index(keyword.lower())
    return start, start + len(keyword)


def list_item_point(desk, box, index):
    height = desk.probe.send(box["hwnd"], LB_GETITEMHEIGHT)
    left, top, right, _ = box["rect"]
    return (left + right) // 2, top + 2 + index * height + height // 2


def close_find_dialogs(desk, notepad_pid):
    """Closes notepad's Find dialog, so that the next "Go to" opens a fresh one."""
    for window in desk.probe.find_windows(title="Find", pid=notepad_pid):
        desk.probe.post(window["hwnd"], 0x0010)
        desk.wait_gone(window["hwnd"])


def program_cpu_seconds(desk):
    """User plus system time of the zfw32.exe process of this desktop, from /proc."""
    seconds = process_cpu_seconds(desk, "zfw32.exe")
    if seconds is None:
        raise AssertionError("no zfw32.exe process found for this desktop")
    return seconds


def process_cpu_seconds(desk, name):
    """User plus system seconds of this desktop's process whose command line holds name
    (a program, or the document it opened), from /proc; None when there is none."""
    tick = os.sysconf("SC_CLK_TCK")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                if name.encode() not in cmdline.read():
                    continue
            with open(f"/proc/{pid}/environ", "rb") as environ:
                if f"WINEPREFIX={desk.prefix}\0".encode() not in environ.read() + b"\0":
                    continue
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / tick
        except OSError:
            continue
    return None


class Stopwatch:
    def __init__(self):
        self.started = time.monotonic()

    def seconds(self):
        return time.monotonic() - self.started
