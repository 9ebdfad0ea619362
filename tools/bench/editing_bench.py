"""Editing figures of zfw32.exe under Wine, for `make bench` (tools/bench/wine_bench.py): the
tabbed window's opening with 64 vocabularies x 300 entries, the Keywords tab with 300, 2,000
and 50,000 entries, Delete of 100 selected rows out of 2,000, and a read of the same store;
each as the wall time from the click to the filled list and the program's CPU time meanwhile.
The clicks are posted the way the tray menu and the buttons post them. Other work on the
machine stretches the wall times: each opening and filling is timed three times, and the
figures of the fastest are shown."""

import readingdesk as rd
import zfdata
from zftabbed import IDC_KEYWORDS_DELETE, IDC_KEYWORDS_LIST, IDC_VOCAB_KEYWORDS, IDC_VOCAB_LIST
from zftabbed import IDC_TABS, IDCANCEL, IDM_VOCABULARIES, TABBED_TITLE, Program
from zfwine import WineDesktop

WM_COMMAND = 0x0111
LVM_GETITEMCOUNT = 0x1004
# Seconds a step may take before the figures stop: the 50,000-entry list once took minutes.
STEP_TIMEOUT = 600
RUNS = 3
GOALS_MS = {"open": 300, 300: 100, 2000: 300, 50000: 3000}


def row_count(desk, hwnd):
    return desk.probe.send(hwnd, LVM_GETITEMCOUNT)


def timed(desk, click, done):
    """Runs click, then polls done; (wall seconds from the click to done, CPU seconds of
    zfw32.exe meanwhile)."""
    before = rd.program_cpu_seconds(desk)
    watch = rd.Stopwatch()
    click()
    desk.wait_for(done, timeout=STEP_TIMEOUT, interval=0.005, message="the filled list")
    seconds = watch.seconds()
    return seconds, rd.program_cpu_seconds(desk) - before


def report(label, figures, goal_ms=None):
    wall, cpu = figures
    goal = f"  (goal <= {goal_ms} ms)" if goal_ms else ""
    print(f"  {label:44} {wall * 1000:8.0f} ms {cpu * 1000:8.0f} ms{goal}", flush=True)


def visible_with_rows(desk, hwnd, count):
    window = desk.probe.window(hwnd)
    return window is not None and window["visible"] and row_count(desk, hwnd) == count


def open_tabbed(program, vocabulary_count):
    """Chooses "Vocabularies" as the tray menu does; done when the tabbed window appears (it
    is shown once its pages are filled), checked afterwards to list every vocabulary. The
    window is cancelled again after each run; the last run's stays open."""
    desk = program.desk

    # The window comes to the front as it is shown; asking for the foreground window is one
    # round trip (a few ms), where listing every window took 40 ms and stretched the figure.
    def appeared():
        window = desk.probe.foreground()
        return (window and window["visible"] and window["title"] == TABBED_TITLE
                and window["class"] == "#32770")

    runs = []
    for run in range(RUNS):
        if run:
            program.finish(IDCANCEL)
        runs.append(timed(desk, lambda: desk.probe.post(program.main, WM_COMMAND,
                                                        IDM_VOCABULARIES), appeared))
        icons = program.control(IDC_VOCAB_LIST)
        if row_count(desk, icons) != vocabulary_count:
            raise AssertionError(f"the tabbed window lists {row_count(desk, icons)} "
                                 f"vocabularies, not {vocabulary_count}")
    return min(runs)


def keywords_tab_runs(program, index, entries):
    """Selects vocabulary `index` on the Vocabularies page and clicks "Keywords", RUNS times;
    each run is done when the Keywords page shows its rows. The first run makes the page
    (pages are made the first time they are shown): it is done once the tab control has moved
    to another tab, which it answers only after the click's handler has made and filled the
    page; the rows are checked afterwards, since finding the new list among the window's
    descendants takes the probe longer than the page takes to appear.
    Gives the (wall, CPU) seconds of every run, the first run first."""
    desk = program.desk
    found = {}

    def shows_rows():
        if "rows" not in found:
            return desk.probe.tab(found["tabs"])["selected"] != 0
        return visible_with_rows(desk, found["rows"], entries)

    runs = []
    for _ in range(RUNS):
        program.show_tab(0)
        desk.probe.listview_select(program.control(IDC_VOCAB_LIST), [index])
        # Found before the clock starts: finding a control among the window's descendants
        # takes the probe 85 ms, more than the page's own work.
        button = program.control(IDC_VOCAB_KEYWORDS)
        found["tabs"] = program.control(IDC_TABS)
        runs.append(timed(desk, lambda: desk.probe.click(button), shows_rows))
        if "rows" not in found:
            found["rows"] = program.control(IDC_KEYWORDS_LIST)
            desk.wait_for(lambda: visible_with_rows(desk, found["rows"], entries),
                          message="the Keywords page's rows")
    return runs


def keywords_tab(program, index, entries):
    """The fastest (wall, CPU) seconds of keywords_tab_runs."""
    return min(keywords_tab_runs(program, index, entries))


def delete_rows(program, selected, entries):
    desk = program.desk
    rows = program.control(IDC_KEYWORDS_LIST)
    desk.probe.listview_select(rows, selected)
    return timed(desk, lambda: program.click(IDC_KEYWORDS_DELETE),
                 lambda: row_count(desk, rows) == entries - len(selected))


def editing_figures(pool, make_vocabularies, read):
    """make_vocabularies(pool, count, entries_each) gives the stores; read(desk, name) gives
    (wall, CPU) seconds of one read of a 4 KB document with the running program's store."""
    print("editing windows under Wine (the machine may be loaded by other work):", flush=True)
    print(f"  {'from the click to the filled list':44} {'wall':>11} {'zfw32 CPU':>11}")
    with WineDesktop("bench-edit") as desk:
        program = Program(desk, zfdata.data_file(make_vocabularies(pool, 64, 300)))
        report("tabbed window, 64 vocabularies x 300", open_tabbed(program, 64),
               GOALS_MS["open"])
        report("Keywords tab, 300 entries", keywords_tab(program, 0, 300), GOALS_MS[300])
        program.finish(IDCANCEL)
        report("read of that store, 4 KB document", read(desk, "edit300.txt"))

    with WineDesktop("bench-edit-large") as desk:
        large = make_vocabularies(pool, 1, 50000) + make_vocabularies(pool, 1, 2000)
        program = Program(desk, zfdata.data_file(large))
        report("tabbed window, 2 vocabularies: 50,000 + 2,000", open_tabbed(program, 2))
        report("Keywords tab, 2,000 entries", keywords_tab(program, 1, 2000), GOALS_MS[2000])
        report("Delete of 100 selected rows out of 2,000",
               delete_rows(program, list(range(5, 2000, 20)), 2000))
        report("Keywords tab, 50,000 entries", keywords_tab(program, 0, 50000),
               GOALS_MS[50000])
        program.finish(IDCANCEL)
        report("read of that store, 4 KB document", read(desk, "edit50000.txt"))
