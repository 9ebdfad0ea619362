"""Checks of the running program's health for the reliability and soak tests: keys left
pressed, the tray still answered, its memory, and one whole read of a notepad document
(drop, "Keywords found", "Close")."""

from zfharness import reading as rd
from zfharness.constants import IDCANCEL, MAIN_TITLE, WM_NULL

# Every virtual key but the mouse buttons (1, 2, 4, 5, 6) and the lock keys' own codes,
# which report their toggles on some systems.
WATCHED_KEYS = [key for key in range(8, 255) if key not in (20, 144, 145)]
KEY_NAMES = {16: "Shift", 17: "Ctrl", 18: "Alt", 13: "Enter", 160: "LShift", 161: "RShift",
             162: "LCtrl", 163: "RCtrl", 164: "LAlt", 165: "RAlt"}


def keys_left_down(desk):
    """Names of the keys the system reports as held down (empty when none is)."""
    down = desk.probe.keys_down(*WATCHED_KEYS)
    return [KEY_NAMES.get(key, str(key)) for key, held in zip(WATCHED_KEYS, down) if held]


def answers_tray(desk):
    """The program's message loop is alive (its hidden main window answers a message within
    the probe's time-out) and its tray icon is still there. The tray menu is not used for
    this: under Wine a document program's own open menu, left by the odd key sequences these
    tests play, can take the menu's keys."""
    main = desk.probe.find_window(title=MAIN_TITLE, visible=None)
    if main is None:
        raise AssertionError(f"no {MAIN_TITLE} window: the program has gone")
    desk.probe.send(main["hwnd"], WM_NULL)
    return desk.tray_icon_shown()


def program_pid(desk):
    pids = desk.probe.pids_of("zfw32.exe")
    if len(pids) != 1:
        raise AssertionError(f"expected one zfw32.exe, found {pids}")
    return pids[0]


def memory(desk, pid):
    """{"private", "workingSet", "gdi", "user"} of the process (Wine reports 0 for the
    GDI and USER object counts)."""
    return desk.probe.resources(pid)


def read_and_close(desk, notepad, idle, timeout=30):
    """Drops the tray icon on notepad, waits for the read to end and for the Keywords
    found window, returns its entries and closes it with its "Close" button."""
    rd.drag_tray_icon(desk, rd.document_point(desk, notepad))
    rd.wait_busy(desk)
    rd.wait_idle(desk, idle, timeout=timeout)
    window = rd.wait_found_window(desk)
    items = rd.found_list(desk, window)[0]["items"]
    desk.probe.click_id(window["hwnd"], IDCANCEL)
    desk.wait_gone(window["hwnd"])
    return items


def visible_found_window(desk):
    window = rd.found_window(desk)
    return window if window and window["visible"] else None
