"""Keyword-line figures of zfw32.exe under Wine, printed by `make bench` through
wine_bench.py: the time from "&Paste" to the end of its handler for 10,000 lines of another
program's text, into an empty vocabulary and into one of 40,000 entries; deleting one row of
50,000; dropping a file of 10,000 lines; showing a vocabulary of 50,000 entries."""

import random

from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import (IDC_KEYWORDS_DELETE, IDC_KEYWORDS_LIST, IDC_KEYWORDS_PASTE,
                                 IDC_KEYWORDS_VOCABULARY, LVM_GETITEMCOUNT, MODE_NAMES)
from zfharness.desktop import WineDesktop
from zfharness.program import Program

LINES = 10000
LARGE = 50000
MODES = list(MODE_NAMES.values())
# Showing a large vocabulary is reported as "more than" this.
SHOW_TIMEOUT = 120


def keyword_lines(pool, count, seed):
    chooser = random.Random(seed)
    return "".join(f"{' '.join(chooser.sample(pool, chooser.randint(1, 3)))}\t"
                   f"{chooser.choice(MODES)}\r\n" for _ in range(count))


def wait_count(desk, rows_list, count, timeout=120):
    """Milliseconds until the entry list holds `count` rows. The probe's question waits
    while the page's handler runs, so the first answer with the count comes after it."""
    watch = rd.Stopwatch()
    desk.wait_for(lambda: desk.probe.send(rows_list, LVM_GETITEMCOUNT) == count,
                  timeout=timeout, interval=0.005, message=f"{count} rows")
    return watch.seconds() * 1000


def paste(desk, rows_list, button, text, count):
    desk.probe.clip_set_text(text)
    desk.probe.click(button)
    return wait_count(desk, rows_list, count)


def choose(desk, program, index):
    desk.probe.select_combo(program.control(IDC_KEYWORDS_VOCABULARY), index)


def paste_figures(pool):
    with WineDesktop("bench-paste") as desk:
        program = Program(desk, datafile.data_file([
            datafile.Vocabulary("Pasted", "shell32.dll", 1, []),
            datafile.Vocabulary("Dropped", "shell32.dll", 2, [])]))
        program.open_from_tray_menu("Vocabularies")
        program.show_tab(1)
        rows_list = program.control(IDC_KEYWORDS_LIST)
        button = program.control(IDC_KEYWORDS_PASTE)
        print(f"keyword lines under Wine: {LINES:,} lines of another program's text", flush=True)

        figure = paste(desk, rows_list, button, keyword_lines(pool, LINES, 1), LINES)
        print(f"  paste into an empty vocabulary             {figure:6.0f} ms", flush=True)
        paste(desk, rows_list, button, keyword_lines(pool, LARGE - 2 * LINES, 2), LARGE - LINES)
        figure = paste(desk, rows_list, button, keyword_lines(pool, LINES, 3), LARGE)
        print(f"  paste into {LARGE - LINES:,} entries (to {LARGE:,})       {figure:6.0f} ms",
              flush=True)
        desk.probe.listview_select(rows_list, [0])
        program.click(IDC_KEYWORDS_DELETE)
        figure = wait_count(desk, rows_list, LARGE - 1)
        print(f"  delete one row of {LARGE:,}                  {figure:6.0f} ms", flush=True)

        choose(desk, program, 1)
        wait_count(desk, rows_list, 0)
        path = "C:\\zfdocs\\keywords.txt"
        desk.write_file(path, keyword_lines(pool, LINES, 4))
        desk.probe.drop_files(rows_list, path)
        figure = wait_count(desk, rows_list, LINES)
        print(f"  drop a file into an empty vocabulary       {figure:6.0f} ms", flush=True)

        choose(desk, program, 0)
        try:
            figure = f"{wait_count(desk, rows_list, LARGE - 1, SHOW_TIMEOUT):6.0f} ms"
        except AssertionError:
            figure = f"more than {SHOW_TIMEOUT} s"
        print(f"  show the vocabulary of {LARGE - 1:,} entries      {figure}", flush=True)


if __name__ == "__main__":
    with open("/usr/share/dict/words", encoding="utf-8", errors="replace") as words:
        paste_figures([w.strip() for w in words if w.strip().isascii() and w.strip().isalpha()])
