"""Steps shared by the reading tests and the demo: the program with vocabularies, documents
in notepad, the tray icon dragged onto a window, and what the read left behind."""

import os
import time

from zfharness import datafile
from zfharness.constants import (EM_CHARFROMPOS, FOUND_TITLE, IDCANCEL,
                                 LB_GETITEMHEIGHT, WM_CLOSE, WM_GETTEXTLENGTH, WORDPAD)
from zfharness.program import Program

# The controls that show a document's text, rich edits first: WordPad's format bar holds
# plain edits too.
DOCUMENT_CONTROLS = ("RichEdit20W", "RichEdit20A", "Edit")
# How long the tray icon is held before the drag moves: the program starts its drag after
# 150 ms of holding.
HOLD_MS = 500
# A clearing click that would pair with the drop's click into a double click goes this
# far beside it (half the double-click width and one); under Wine the pointer can stay
# there instead of going back.
BESIDE_PX = 3


def start_reader(desk, vocabularies, settings=None):
    """Installs the built product with a data.dat of these vocabularies, starts zfw32 from
    its folder and waits for its tray icon; returns the Popen."""
    return Program(desk, datafile.data_file(vocabularies, settings)).process


def notepad_and_reader(desk, text, name, vocabularies):
    """Notepad showing `text` as `name`, then zfw32 started with these vocabularies; returns
    notepad's window and the tray icon's idle picture."""
    notepad = desk.start_notepad(text, name=name)
    start_reader(desk, vocabularies)
    return notepad, desk.tray_icon_image()


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def document_point(desk, notepad):
    """A point inside notepad's text area, below the text of a short document."""
    left, top, right, bottom = desk.wait_control(notepad, cls="Edit")["rect"]
    return (left + right) // 2, top + (bottom - top) * 2 // 3


# WordPad shows its text before it has laid out its bars: the rich edit moves down under
# them afterwards, and a point taken from its first place can land on the toolbar.
WORDPAD_LAYOUT_STEADY_SECONDS = 1.0


def open_wordpad(desk, path, length, timeout=120):
    """Opens the document in WordPad; returns (window, rich edit control) records once the
    control holds `length` characters (WM_GETTEXT counts a line break as two) and has
    stayed in one place for a second."""
    desk.run(WORDPAD, args=[path])

    def loaded():
        for window in desk.probe.find_windows(cls="WORDPADTOP"):
            edit = desk.probe.control(window["hwnd"], cls="RichEdit20W")
            if edit and desk.probe.send(edit["hwnd"], WM_GETTEXTLENGTH) >= length:
                return window, edit
        return None
    window, edit = desk.wait_for(loaded, timeout=timeout, message=f"WordPad showing {path}")
    last = {"rect": None, "since": 0.0}

    def steady():
        rect = desk.probe.window(edit["hwnd"])["rect"]
        if rect != last["rect"]:
            last.update(rect=rect, since=time.monotonic())
        return time.monotonic() - last["since"] >= WORDPAD_LAYOUT_STEADY_SECONDS
    desk.wait_for(steady, timeout=30, interval=0.1, message="WordPad's layout settled")
    return window, dict(edit, rect=last["rect"])


def foreground(desk):
    """The foreground window's record; {} while no window is in front."""
    return desk.probe.foreground() or {}


def put_in_front(desk, notepad):
    desk.click(*document_point(desk, notepad))
    desk.wait_for(lambda: foreground(desk).get("hwnd") == notepad, message="notepad in front")


def put_desktop_in_front(desk):
    """Clicks the desktop until it is in front (three clicks, 10 s each at most). Once in
    many runs, with two Wine desktops busy on two cores, notepad lost the focus to the click
    but the desktop did not come to the front; a failure names the window in front."""
    def desktop_in_front():
        return foreground(desk).get("class") == "#32769"
    for _ in range(2):
        desk.click(*desk.desktop_point())
        try:
            desk.wait_for(desktop_in_front, timeout=10, message="the desktop in front")
            return
        except AssertionError:
            pass
    desk.click(*desk.desktop_point())
    desk.wait_for(desktop_in_front, timeout=10,
                  message=f"the desktop in front, not {foreground(desk) or 'no window'}")


def drag_tray_icon(desk, point, release=True):
    """Holds the tray icon (long enough to start the drag) and drags it to point. The
    drag's start must leave the pointer under the user's finger."""
    start = desk.tray_point()
    desk.mouse_down(*start)
    time.sleep(HOLD_MS / 1000)  # paces the hold; nothing shows the drag has started
    pointer = desk.probe.cursor()
    if pointer != start:
        raise AssertionError(f"starting the drag moved the held pointer from {start} to "
                             f"{pointer}")
    desk.drag(start, point, steps=12, step_ms=40, release=release, pressed=True)


def found_window(desk):
    """The Keywords found window's record (shown or hidden), or None."""
    return desk.probe.find_window(title=FOUND_TITLE, visible=None)


def wait_found_window(desk, timeout=30):
    """Waits for the Keywords found window to show; returns its record."""
    return desk.wait_window(title=FOUND_TITLE, visible=True, timeout=timeout)


def shown_found_window(desk):
    """The Keywords found window's record while it shows, else None. The program keeps the
    window, hidden, between reads (and makes it before the first)."""
    window = found_window(desk)
    return window if window and window["visible"] else None


def found_list(desk, window):
    """{"items", "selected", ...} of the window's list box, and the list box's record."""
    if not window:
        raise AssertionError("no Keywords found window to read the list of")
    box = desk.wait_control(window["hwnd"], cls="ListBox")
    return desk.probe.listbox(box["hwnd"]), box


def document_control(desk, document):
    """The edit or rich edit control that shows a document window's text."""
    def control():
        children = desk.probe.children(document)
        return next((c for cls in DOCUMENT_CONTROLS for c in children if c["class"] == cls),
                    None)
    return desk.wait_for(control, message=f"the text control of window {document}")


def check_desktop_after_read(desk, document, pointer, close=None):
    """What a read leaves on the user's desktop, the same after every read: the pointer
    where the user left it, the clipboard closed (another program opens and closes it), no
    menu open, nothing selected in the document. close="Close" (its button, clicked) or
    "Escape" then closes the Keywords found window, which must bring the document back in
    front. Fails naming the first thing that is not as it should be."""
    now = desk.probe.cursor()
    if abs(now[0] - pointer[0]) > BESIDE_PX or now[1] != pointer[1]:
        raise AssertionError(f"the read left the pointer at {now}, not at {tuple(pointer)}")

    def clipboard_opens():
        answer = desk.probe.clip_open()
        return answer["opened"] or False
    try:
        desk.wait_for(clipboard_opens, timeout=5, interval=0.1,
                      message="the clipboard to open for another program")
    except AssertionError:
        holder = desk.probe.window(desk.probe.clip_open()["holder"] or 0) or {}
        raise AssertionError(f"the read left the clipboard open, held by "
                             f"{holder.get('class')!r} {holder.get('title')!r} of process "
                             f"{holder.get('pid')}") from None
    menus = desk.probe.find_windows(cls="#32768")
    state = desk.probe.thread_state(document)
    if menus or state["inMenu"] or state["inPopupMenu"]:
        raise AssertionError(f"a menu is open after the read: {menus}")
    text = document_control(desk, document)["hwnd"]
    start, end = selection(desk, text)
    if start != end:
        raise AssertionError(f"the read left characters {start} to {end} of the document "
                             f"selected")
    if close is not None:
        close_found_window(desk, close, document)


def close_found_window(desk, how, document):
    """Closes the Keywords found window with its "Close" button or Escape; the document
    it was read from must come back in front."""
    window = wait_found_window(desk)
    if how == "Close":
        desk.click(*centre(desk.wait_control(window["hwnd"], id=IDCANCEL)["rect"]))
    else:
        desk.wait_for(lambda: foreground(desk).get("hwnd") == window["hwnd"],
                      message="the Keywords found window in front for Escape")
        desk.key(how)
    desk.wait_gone(window["hwnd"])
    desk.wait_for(lambda: foreground(desk).get("hwnd") == document,
                  message=f"the document {document} in front after {how}")


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
    return selection(desk, desk.wait_control(notepad, cls="Edit")["hwnd"])


def selection(desk, control):
    """(start, end) of an edit or rich edit control's selection (documents below 64 KB)."""
    return desk.probe.edit_selection(control)


def notepad_char_at(desk, notepad, point):
    """The index of the character of notepad's text nearest to a screen point."""
    edit = desk.wait_control(notepad, cls="Edit")
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
        desk.probe.post(window["hwnd"], WM_CLOSE)
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
