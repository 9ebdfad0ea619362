"""Read, editing and start-up figures of zfw32.exe under Wine, printed by `make bench`: the
time from dropping the tray icon on notepad and on WordPad to the "Keywords found" window for
documents of 4 KB, 1 MB and 8 MB, against the read's fixed delays; the program's and the
document program's CPU time during the read; the time from starting zfw32.exe to its tray
icon against notepad's to its window; the editing windows at the sizes users keep
(tools/bench/editing_bench.py); pasting and dropping keyword lines (tools/bench/paste_bench.py);
the sizes of the three programs. Uses the end-to-end harness of tests/e2e."""

import os
import random

import editing_bench
import paste_bench
from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import WM_CLOSE, WM_GETTEXTLENGTH
from zfharness.desktop import WineDesktop, dist_dir
from zfharness.program import install_program, start_program

# The waits a read makes whatever the document: after the drop click, before the capture,
# the select-all keys (three 1 ms waits), after select-all, the first paste poll, the
# clearing click (two 1 ms waits), after the click, and before the results.
FIXED_DELAYS_MS = 100 + 50 + 3 + 50 + 5 + 2 + 50 + 500
# WordPad ignores Ctrl+Insert: a first attempt of select-all, its wait and 50 polls of 5 ms
# comes before the one with Ctrl+C.
WORDPAD_DELAYS_MS = FIXED_DELAYS_MS + 3 + 50 + 50 * 5
SIZES = [("4 KB", 4 << 10), ("1 MB", 1 << 20), ("8 MB", 8 << 20)]
# A read that takes longer is reported as such, and the larger documents are not read.
READ_TIMEOUT = 240
WORDPAD_LOAD_TIMEOUT = 90


def dictionary():
    with open("/usr/share/dict/words", encoding="utf-8", errors="replace") as words:
        pool = [w.strip() for w in words if w.strip().isascii() and w.strip().isalpha()]
    random.Random(7).shuffle(pool)
    return pool


def document(pool, size):
    """Lines of ten words from the first 20,000 of the pool, always holding "zebra"."""
    chooser = random.Random(size)
    lines, length = ["The zebra grazes."], 17
    while length < size:
        line = " ".join(chooser.choice(pool[:20000]) for _ in range(10))
        lines.append(line)
        length += len(line) + 2
    return "\n".join(lines)[:size]


def vocabularies(pool, count, entries_each):
    """`count` vocabularies of entries of one to three words, half of them from the words the
    documents use; the first entry is "zebra", which every document holds."""
    chooser = random.Random(count)
    result = []
    for index in range(count):
        entries = []
        for _ in range(entries_each):
            words = [chooser.choice(pool[:20000] if chooser.random() < 0.5 else pool[20000:])
                     for _ in range(chooser.randint(1, 3))]
            entries.append((" ".join(words), chooser.choice(
                [datafile.ANY_WORD, datafile.ANY_WORD, datafile.ALL_WORDS, datafile.EXACT_PHRASE])))
        result.append(datafile.Vocabulary(f"Set {index}", "shell32.dll", index % 40, entries))
    result[0].entries[0] = ("zebra", datafile.ANY_WORD)
    return result


def process_cpu_seconds(desk, name):
    """The process's CPU seconds so far, 0 when it has already gone."""
    return rd.process_cpu_seconds(desk, name) or 0.0


def open_notepad(desk, text, name):
    """Opens the text in notepad; returns its window once the edit control holds it all."""
    path = f"C:\\zfdocs\\{name}"
    data = text.replace("\n", "\r\n").encode("cp1252")
    desk.write_file(path, data)
    desk.run("notepad.exe", args=[path])

    def loaded():
        for window in desk.probe.find_windows(cls="Notepad"):
            if window["title"].startswith(name.rsplit(".", 1)[0]):
                edit = desk.probe.control(window["hwnd"], cls="Edit")
                if edit and desk.probe.send(edit["hwnd"], WM_GETTEXTLENGTH) >= len(data):
                    return window["hwnd"]
        return None
    return desk.wait_for(loaded, timeout=300, interval=0.2, message=f"notepad with {name}")


def found_with_hits(desk):
    window = rd.found_window(desk)
    if window and window["visible"] and rd.found_list(desk, window)[0]["items"]:
        return window
    return None


def open_wordpad(desk, text, name):
    """Opens the text in WordPad; returns its window and the drop point on its text, or
    None when it has not shown the whole text within WORDPAD_LOAD_TIMEOUT (Wine's rich edit
    lays out a 1 MB document of short lines in minutes on a loaded machine)."""
    path = f"C:\\zfdocs\\{name}"
    data = text.replace("\n", "\r\n").encode("cp1252")
    desk.write_file(path, data)
    try:
        window, edit = rd.open_wordpad(desk, path, len(data), timeout=WORDPAD_LOAD_TIMEOUT)
    except AssertionError:
        for process in desk.probe.find_windows(cls="WORDPADTOP"):
            desk.probe.kill(process["pid"])
        return None
    return window["hwnd"], rd.centre(edit["rect"])


def timed_read(desk, point, name, idle, timeout):
    """Drops the tray icon at the point in a document: seconds from the release to the end of the read (the
    idle tray icon, right after the Keywords found window is brought to the front with its
    hits; a read of all vocabularies shows the window, empty, from its start), and the CPU
    seconds of zfw32 and of the document's program meanwhile; None when the read takes longer than
    `timeout` seconds."""
    old = rd.found_window(desk)
    if old:
        desk.probe.post(old["hwnd"], WM_CLOSE)
        desk.wait_gone(old["hwnd"])
    rd.put_desktop_in_front(desk)
    # The CPU times are taken first: scanning /proc after the release would delay seeing
    # the end of the read on a loaded machine.
    program_before = process_cpu_seconds(desk, "zfw32.exe")
    document_before = process_cpu_seconds(desk, name)
    rd.drag_tray_icon(desk, point)
    watch = rd.Stopwatch()
    try:
        rd.wait_busy(desk, timeout=timeout)
        desk.wait_for(lambda: desk.tray_icon_image() == idle, timeout=timeout, interval=0.01,
                      message="the end of the read")
    except AssertionError:
        return None
    seconds = watch.seconds()
    return (seconds, process_cpu_seconds(desk, "zfw32.exe") - program_before,
            process_cpu_seconds(desk, name) - document_before)


def start_up(desk):
    """Seconds from starting zfw32.exe to its tray icon, and notepad to its window."""
    watch = rd.Stopwatch()
    program = start_program(desk, wait=False)
    desk.wait_for(desk.tray_icon_shown, interval=0.01, message="the tray icon")
    program_seconds = watch.seconds()
    desk.write_file("C:\\zfdocs\\empty.txt", b"")
    watch = rd.Stopwatch()
    desk.run("notepad.exe", args=["C:\\zfdocs\\empty.txt"])
    desk.wait_for(lambda: desk.probe.find_window(cls="Notepad"), interval=0.01,
                  message="notepad's window")
    return program, program_seconds, watch.seconds()


def read_once(pool, desk, name):
    """(wall, zfw32 CPU) seconds of one read of a 4 KB document with every vocabulary of the
    running program, whose tray icon is idle."""
    notepad = open_notepad(desk, document(pool, 4 << 10), name)
    figures = timed_read(desk, rd.document_point(desk, notepad), name, desk.tray_icon_image(),
                         READ_TIMEOUT)
    desk.probe.post(notepad, WM_CLOSE)
    desk.wait_gone(notepad)
    if figures is None:
        raise AssertionError(f"no read result within {READ_TIMEOUT} s")
    return figures[0], figures[1]


def read_figures(pool, count, entries_each, sizes, programs):
    """Start-up and read figures with `count` vocabularies of `entries_each` entries, in
    each of the programs ("notepad", "wordpad")."""
    with WineDesktop("bench-read") as desk:
        install_program(desk, datafile.data_file(vocabularies(pool, count, entries_each)))
        _, program_seconds, notepad_seconds = start_up(desk)
        idle = desk.tray_icon_image()
        print(f"{count} vocabularies x {entries_each} entries: zfw32.exe to its tray icon "
              f"{program_seconds * 1000:.0f} ms, notepad to its window "
              f"{notepad_seconds * 1000:.0f} ms")
        print(f"  {'program':8} {'document':8} {'hits':>5} {'drop to results':>15} "
              f"{'beyond delays':>13} {'zfw32 CPU':>9} {'its CPU':>8}")
        for label, size in sizes:
            for program in list(programs):
                if not timed_program_read(desk, pool, program, label, size, idle):
                    programs.remove(program)


def timed_program_read(desk, pool, program, label, size, idle):
    """One read of a document of `size` bytes in notepad or WordPad, printed; False when
    it took too long (the larger documents are then skipped in that program)."""
    name = f"doc{size}-{program}.txt"
    if program == "notepad":
        window = open_notepad(desk, document(pool, size), name)
        point, delays = rd.document_point(desk, window), FIXED_DELAYS_MS
    else:
        opened = open_wordpad(desk, document(pool, size), name)
        if opened is None:
            print(f"  {program:8} {label:8} not shown by WordPad within {WORDPAD_LOAD_TIMEOUT} s "
                  "(Wine's rich edit): larger documents skipped", flush=True)
            return False
        (window, point), delays = opened, WORDPAD_DELAYS_MS
    figures = timed_read(desk, point, name, idle, READ_TIMEOUT)
    if figures is None:
        print(f"  {program:8} {label:8} no result within {READ_TIMEOUT} s: larger documents "
              "skipped", flush=True)
        return False
    seconds, program_cpu, document_cpu = figures
    if not found_with_hits(desk):
        if program == "notepad":
            raise AssertionError("the read ended without the Keywords found window")
        # WordPad under Wine may not copy a large document within the capture's six
        # attempts; the program is ended, since it may still be working on the keys.
        print(f"  {program:8} {label:8} read ended after {seconds * 1000:.0f} ms without "
              "hits (no text copied): larger documents skipped", flush=True)
        desk.probe.kill(desk.probe.window(window)["pid"])
        return False
    hits = len(rd.found_list(desk, rd.found_window(desk))[0]["items"])
    print(f"  {program:8} {label:8} {hits:5} {seconds * 1000:12.0f} ms "
          f"{seconds * 1000 - delays:10.0f} ms {program_cpu * 1000:6.0f} ms "
          f"{document_cpu * 1000:5.0f} ms", flush=True)
    desk.probe.post(window, WM_CLOSE)
    desk.wait_gone(window)
    return True


def main():
    pool = dictionary()
    print(f"reads with all vocabularies under Wine; the read's fixed delays are "
          f"{FIXED_DELAYS_MS} ms ({WORDPAD_DELAYS_MS} ms in WordPad, which copies only on "
          "the second attempt's Ctrl+C)", flush=True)
    read_figures(pool, 8, 25, SIZES, ["notepad", "wordpad"])
    read_figures(pool, 64, 300, SIZES[:1], ["notepad"])
    editing_bench.editing_figures(pool, vocabularies, lambda desk, name: read_once(pool, desk, name))
    paste_bench.paste_figures(pool)
    sizes = ", ".join(f"{name} {os.path.getsize(os.path.join(dist_dir(), name)) // 1024} KB"
                      for name in ("zfw32.exe", "install.exe", "uninstzfw.exe")
                      if os.path.exists(os.path.join(dist_dir(), name)))
    print(f"programs: {sizes}")


if __name__ == "__main__":
    main()
