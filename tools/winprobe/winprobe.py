"""Client of winprobe.exe: one long-lived process that answers questions about the Wine
desktop, one command a line. Loaded as zfharness.winprobe (tests/e2e/zfharness): it sits
here, beside the probe's sources, so that a change to their protocol touches one folder."""

import json
import os
import select
import subprocess

from zfharness.constants import EM_GETSEL, LVIR_BOUNDS, LVIS_FOCUSED, LVIS_SELECTED

# A probe answer normally takes milliseconds; the probe itself gives up on a silent
# window after 10 s, so this only catches a probe that is gone or stuck.
ANSWER_TIMEOUT = 60


class ProbeError(RuntimeError):
    pass


def _escape(field):
    text = str(field)
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


class Probe:
    """Python face of every winprobe command. Windows are ints (hwnd); window records
    are dicts with hwnd, class, title, pid, tid, visible, enabled, rect [l, t, r, b],
    owner, style, exstyle (controls also id, parent, text)."""

    def __init__(self, process):
        """process: winprobe.exe started with pipes for its standard input and output."""
        self._process = process
        self._buffer = b""

    # -- transport --------------------------------------------------------------------

    def call(self, command, *args):
        """Sends one command; returns the answer dict or raises ProbeError."""
        line = "\t".join(_escape(part) for part in (command,) + args) + "\n"
        try:
            self._process.stdin.write(line.encode("utf-8"))
            self._process.stdin.flush()
        except BrokenPipeError:
            raise ProbeError("winprobe has ended") from None
        answer = json.loads(self._read_line(command))
        if not answer.get("ok"):
            raise ProbeError(f"{command} {list(args)}: {answer.get('error')}")
        return answer

    def _read_line(self, command):
        fd = self._process.stdout.fileno()
        while b"\n" not in self._buffer:
            ready, _, _ = select.select([fd], [], [], ANSWER_TIMEOUT)
            if not ready:
                raise ProbeError(f"winprobe did not answer {command} in {ANSWER_TIMEOUT} s")
            chunk = os.read(fd, 65536)
            if not chunk:
                raise ProbeError(f"winprobe ended while answering {command}")
            self._buffer += chunk
        line, self._buffer = self._buffer.split(b"\n", 1)
        return line.decode("utf-8")

    def close(self):
        if self._process.poll() is None:
            try:
                self._process.stdin.close()
                self._process.wait(timeout=5)
            except (OSError, subprocess.TimeoutExpired):
                self._process.kill()
        self._process.stdout.close()

    # -- windows ----------------------------------------------------------------------

    def ping(self):
        return self.call("ping")

    def windows(self, visible_only=False):
        found = self.call("windows")["windows"]
        return [w for w in found if w["visible"]] if visible_only else found

    def window(self, hwnd):
        """The window's record, or None when it no longer exists."""
        answer = self.call("window", hwnd)
        return answer.get("window") if answer["exists"] else None

    def find_windows(self, title=None, title_contains=None, cls=None, pid=None,
                     visible=True):
        """Top-level windows matching every given criterion; visible=None means either."""
        def matches(w):
            return ((title is None or w["title"] == title)
                    and (title_contains is None or title_contains in w["title"])
                    and (cls is None or w["class"] == cls)
                    and (pid is None or w["pid"] == pid)
                    and (visible is None or w["visible"] == visible))
        return [w for w in self.windows() if matches(w)]

    def find_window(self, **criteria):
        found = self.find_windows(**criteria)
        return found[0] if found else None

    def children(self, hwnd):
        """Every descendant window of hwnd, with id, parent and text."""
        return self.call("children", hwnd)["children"]

    def control(self, hwnd, id=None, cls=None, text=None, visible=None):
        """The first descendant of hwnd matching the criteria, or None."""
        for child in self.children(hwnd):
            if ((id is None or child["id"] == id) and (cls is None or child["class"] == cls)
                    and (text is None or child["text"] == text)
                    and (visible is None or child["visible"] == visible)):
                return child
        return None

    def foreground(self):
        """The foreground window's record, or None."""
        answer = self.call("foreground")
        return answer.get("window")

    def thread_state(self, hwnd=None):
        """active, focus, capture, menuOwner, inMenu, inPopupMenu of hwnd's thread
        (the foreground thread when hwnd is None)."""
        return self.call("thread_state", *([] if hwnd is None else [hwnd]))

    def set_foreground(self, hwnd):
        return self.call("set_foreground", hwnd)["done"]

    def text(self, hwnd):
        """The window's text through WM_GETTEXT (the current text of edit controls)."""
        return self.call("text", hwnd)["text"]

    def edit_selection(self, hwnd):
        """(start, end) of an edit or rich edit control's selection, in characters (texts
        below 64K)."""
        packed = self.send(hwnd, EM_GETSEL) & 0xFFFFFFFF
        return packed & 0xFFFF, packed >> 16

    def set_text(self, hwnd, text):
        return self.call("set_text", hwnd, text)["result"]

    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.call("post", hwnd, message, wparam, lparam)["done"]

    def drop_files(self, hwnd, *paths):
        """Drops files (Windows paths) on the window as the file manager does (posted
        WM_DROPFILES)."""
        return self.call("drop_files", hwnd, *paths)["done"]

    def send(self, hwnd, message, wparam=0, lparam=0):
        """SendMessage with a 10 s timeout; only for messages without pointer parameters."""
        return self.call("send", hwnd, message, wparam, lparam)["result"]

    def command(self, hwnd, control_id, code=0):
        """Posts WM_COMMAND(control_id, code) to hwnd as the control would."""
        return self.call("command", hwnd, control_id, code)["done"]

    def check_state(self, hwnd):
        """BM_GETCHECK of a button: 0 unchecked, 1 checked, 2 indeterminate."""
        return self.call("check", hwnd)["state"]

    def click(self, hwnd):
        """Posts BM_CLICK to a button (does not wait for a dialog the click opens)."""
        return self.call("click", hwnd)["done"]

    def click_id(self, dialog, control_id):
        """BM_CLICK on the control with that id anywhere inside dialog."""
        child = self.control(dialog, id=control_id)
        if child is None:
            raise ProbeError(f"no control {control_id} in window {dialog}")
        return self.click(child["hwnd"])

    def cursor(self):
        answer = self.call("cursor")
        return answer["x"], answer["y"]

    def pixel(self, x, y):
        answer = self.call("pixel", x, y)
        return answer["r"], answer["g"], answer["b"]

    def screen_pixels(self, left, top, right, bottom):
        """Raw RGB bytes of a screen rectangle, rows top to bottom (milliseconds, unlike a
        screenshot, so short-lived images can be caught)."""
        return bytes.fromhex(self.call("screen_pixels", left, top, right, bottom)["rgb"])

    def keys_down(self, *virtual_keys):
        """Whether each virtual key is down as the system reports it (GetAsyncKeyState)."""
        return self.call("keys", *virtual_keys)["down"]

    def metrics(self, *indexes):
        """GetSystemMetrics of each index, as the probe's process sees them."""
        return self.call("metrics", *indexes)["values"]

    def menu_items(self, hwnd):
        """Item texts of a popup menu window (#32768); raises ProbeError where the
        system does not share menus across processes."""
        return self.call("menu", hwnd)["items"]

    def resource_menu(self, exe, name):
        """A menu as the program's resources define it (exe: Windows path; name: resource
        name or number): [{"text", "id", "separator", "grayed", "items" (submenus)}]."""
        return self.call("resource_menu", exe, name)["items"]

    # -- common controls --------------------------------------------------------------

    def tab(self, hwnd):
        """{"items": [tab texts], "selected": index}."""
        return self.call("tab", hwnd)

    def select_tab(self, hwnd, index):
        """Selects a tab with the notifications a click sends; returns the selection."""
        return self.call("tab_select", hwnd, index)["selected"]

    def tab_rect(self, hwnd, index):
        return self.call("tab_rect", hwnd, index)["rect"]

    def listbox(self, hwnd):
        """{"items": [...], "selected": LB_GETCURSEL, "marked": [indices with LB_GETSEL]}."""
        return self.call("listbox", hwnd)

    def select_listbox(self, hwnd, index):
        """LB_SETCURSEL plus the LBN_SELCHANGE the parent would get from a click."""
        return self.call("listbox_select", hwnd, index)["result"]

    def combo(self, hwnd):
        """{"items": [...], "selected": CB_GETCURSEL, "text": edit or static text}."""
        return self.call("combo", hwnd)

    def select_combo(self, hwnd, index):
        """CB_SETCURSEL plus the CBN_SELCHANGE the parent would get from the user."""
        return self.call("combo_select", hwnd, index)["result"]

    def listview(self, hwnd):
        """{"columns": [titles], "view": LVS_ICON 0 / REPORT 1 / SMALLICON 2 / LIST 3,
        "items": [{"texts": [one per column], "image", "selected", "focused"}]}."""
        return self.call("listview", hwnd)

    def listview_rows(self, hwnd):
        return [item["texts"] for item in self.listview(hwnd)["items"]]

    def listview_selected(self, hwnd):
        return [i for i, item in enumerate(self.listview(hwnd)["items"]) if item["selected"]]

    def listview_set_state(self, hwnd, index, state, mask=LVIS_SELECTED | LVIS_FOCUSED):
        """LVM_SETITEMSTATE on one item (index -1: every item)."""
        return self.call("listview_set_state", hwnd, index, state, mask)["result"]

    def listview_select(self, hwnd, indices):
        """Selects exactly these rows (the first one focused), as the owner sees it."""
        self.listview_set_state(hwnd, -1, 0)
        for n, index in enumerate(indices):
            state = LVIS_SELECTED | (LVIS_FOCUSED if n == 0 else 0)
            self.listview_set_state(hwnd, index, state, state)

    def listview_item_rect(self, hwnd, index, part=LVIR_BOUNDS):
        """Screen rectangle [l, t, r, b] of an item (part LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL)."""
        return self.call("listview_item_rect", hwnd, index, part)["rect"]

    # -- processes --------------------------------------------------------------------

    def processes(self):
        """[{"pid", "exe"}] of every Windows process of the prefix."""
        return self.call("processes")["processes"]

    def pids_of(self, exe):
        return [p["pid"] for p in self.processes() if p["exe"].lower() == exe.lower()]

    def alive(self, pid):
        return self.call("alive", pid)["alive"]

    def kill(self, pid):
        return self.call("kill", pid)["done"]

    def resources(self, pid):
        """{"gdi", "user", "private", "workingSet", "handles"}; under Wine the GDI and
        USER counts and the handle count read 0."""
        return self.call("resources", pid)

    def hold_file(self, path):
        """Opens a file (Windows path) without sharing, as another program may, until
        release_file: nobody else can read, write or move it meanwhile."""
        return self.call("hold_file", path)["done"]

    def release_file(self, path):
        return self.call("release_file", path)["done"]

    # -- clipboard --------------------------------------------------------------------

    def clip_set(self, *pairs):
        """Replaces the clipboard: pairs of (format, value). Format "text" takes a str
        (Unicode text), "ansi" a str (ANSI code page), any other name or number bytes."""
        args = []
        for fmt, value in pairs:
            args += [fmt, value if fmt in ("text", "ansi") else bytes(value).hex()]
        return self.call("clip_set", *args)["sequence"]

    def clip_set_text(self, text):
        return self.clip_set(("text", text))

    def clip_text(self):
        """The clipboard's text, or None when it holds none."""
        answer = self.call("clip_text")
        return answer["text"] if answer["present"] else None

    def clip_data(self, fmt):
        return bytes.fromhex(self.call("clip_data", fmt)["hex"])

    def clip_formats(self):
        """Names of the formats on the clipboard, in enumeration order."""
        return [f["name"] for f in self.call("clip_formats")["formats"]]

    def clip_info(self):
        """{"formats": [{"id", "name"}], "sequence", "owner"}."""
        return self.call("clip_formats")

    def clip_empty(self):
        return self.call("clip_empty")["done"]

    def clip_drawings(self):
        """Replaces the clipboard with an enhanced metafile, a metafile picture and a
        palette; returns {"emf", "wmf", "palette"} -> the bytes of each."""
        answer = self.call("clip_drawings")
        return {kind: bytes.fromhex(answer[kind]) for kind in ("emf", "wmf", "palette")}

    def clip_drawing(self, kind):
        """The bytes of the clipboard's "emf" (its bits), "wmf" (mapping mode, size and
        bits) or "palette" (its entries)."""
        return bytes.fromhex(self.call("clip_drawing", kind)["hex"])

    def clip_open(self):
        """Opens and closes the clipboard once, as another program would: {"opened",
        "holder" (the window that holds it open when it would not open)}."""
        return self.call("clip_open")

    def clip_viewer_hang(self):
        """Puts a clipboard viewer of the probe's own into the viewer chain that takes no
        more messages (as a hung program's would) until clip_viewer_release."""
        return self.call("clip_viewer_hang")["done"]

    def clip_viewer_release(self):
        return self.call("clip_viewer_release")["done"]
