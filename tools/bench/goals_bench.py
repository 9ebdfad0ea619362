"""The four speed and memory goals of zfw32.exe under Wine, measured in one run and printed
by `make bench` beside their goals, each with "goal met" or "goal missed":
- a read of a 4 KB notepad document (8 vocabularies x 25 entries, the tray icon dropped on
  it) beyond the read's fixed delays;
- opening the tabbed window with 64 vocabularies x 300 entries;
- the Keywords tab with 300 entries;
- idle private memory after start-up and after 10 reads, beside notepad's in the same run.
Wall times are the fastest of RUNS, each beside the program's CPU time in that run; other
work on the machine stretches wall times but hardly CPU times, so the load average is
printed with them. Uses the end-to-end harness of tests/e2e."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

import editing_bench  # noqa: E402
import memory_bench  # noqa: E402
import readingdesk as rd  # noqa: E402
import wine_bench  # noqa: E402
import zfdata  # noqa: E402
import zfhealth  # noqa: E402
from zftabbed import IDCANCEL, Program  # noqa: E402
from zfwine import WineDesktop  # noqa: E402

RUNS = 3
READ_GOAL_MS = 100
OPEN_GOAL_MS = 300
KEYWORDS_GOAL_MS = 100


def load_average():
    return os.getloadavg()[0]


def verdict(met):
    return "goal met" if met else "goal missed"


def line(what, figure, goal, met):
    print(f"  {what:44} {figure:38} {goal:22} {verdict(met)}", flush=True)


def fastest_read(pool):
    """(wall seconds beyond the fixed delays, zfw32 CPU seconds) of the fastest of RUNS reads
    of a 4 KB notepad document with 8 vocabularies x 25 entries."""
    runs = []
    with WineDesktop("goals-read") as desk:
        rd.start_reader(desk, wine_bench.vocabularies(pool, 8, 25))
        idle = desk.tray_icon_image()
        name = "goals4k.txt"
        notepad = wine_bench.open_notepad(desk, wine_bench.document(pool, 4 << 10), name)
        point = rd.document_point(desk, notepad)
        for _ in range(RUNS):
            figures = wine_bench.timed_read(desk, point, name, idle, wine_bench.READ_TIMEOUT)
            if figures is None or not wine_bench.found_with_hits(desk):
                raise AssertionError("the read ended without its Keywords found window")
            runs.append((figures[0] - wine_bench.FIXED_DELAYS_MS / 1000, figures[1]))
    return min(runs)


def fastest_editing(pool):
    """The fastest (wall, CPU) seconds of opening the tabbed window with 64 vocabularies x
    300 entries, of the Keywords tab with 300 entries, and the Keywords tab's first showing
    (the page made then)."""
    with WineDesktop("goals-edit") as desk:
        program = Program(desk, zfdata.data_file(wine_bench.vocabularies(pool, 64, 300)))
        opening = editing_bench.open_tabbed(program, 64)
        keywords = editing_bench.keywords_tab_runs(program, 0, 300)
        program.finish(IDCANCEL)
    return opening, min(keywords), keywords[0]


# Wine's X11 driver grabs the whole screen (1024 x 768 x 4 bytes) while the icon's drag
# image is drawn over the desktop, and frees it again; glibc's malloc answers the first grab
# with a mapping of its own, raises its threshold for such mappings to that size and keeps
# the second grab's block in its heap, where Wine counts it as the program's private memory.
# Pinning the threshold shows the figure without that block.
PINNED_ALLOCATOR = {"MALLOC_MMAP_THRESHOLD_": "131072"}


def idle_memory(extra_environment=None):
    """Private bytes of zfw32 after start-up and after the reads, and notepad's;
    extra_environment is added to every Wine process's environment."""
    saved = dict(os.environ)
    os.environ.update(extra_environment or {})
    try:
        return idle_memory_of_one_desktop()
    finally:
        os.environ.clear()
        os.environ.update(saved)


def idle_memory_of_one_desktop():
    with WineDesktop("goals-memory") as desk:
        rd.start_reader(desk, zfdata.sample_vocabularies())
        program = zfhealth.program_pid(desk)
        started = memory_bench.settled_memory(desk, program)
        notepad = desk.start_notepad(memory_bench.DOCUMENT, name="memory.txt")
        notepad_started = memory_bench.settled_memory(desk, desk.probe.window(notepad)["pid"])
        idle = desk.tray_icon_image()
        for _ in range(memory_bench.READS):
            rd.put_desktop_in_front(desk)
            zfhealth.read_and_close(desk, notepad, idle)
        after_reads = memory_bench.settled_memory(desk, program)
    return started["private"], after_reads["private"], notepad_started["private"]


def main():
    pool = wine_bench.dictionary()
    load_before = load_average()
    read = fastest_read(pool)
    opening, keywords, first_keywords = fastest_editing(pool)
    started, after_reads, notepad = idle_memory()
    pinned = idle_memory(PINNED_ALLOCATOR)
    print(f"goals under Wine, fastest of {RUNS} (load average {load_before:.1f} at the start, "
          f"{load_average():.1f} at the end):")
    line("read of a 4 KB notepad document, beyond the", f"{read[0] * 1000:5.0f} ms "
         f"(zfw32 CPU {read[1] * 1000:.0f} ms)", f"goal <= {READ_GOAL_MS} ms",
         read[0] * 1000 <= READ_GOAL_MS)
    print(f"    {wine_bench.FIXED_DELAYS_MS} ms of fixed delays")
    for what, (wall, cpu), goal in (
            ("tabbed window, 64 vocabularies x 300", opening, OPEN_GOAL_MS),
            ("Keywords tab, 300 entries", keywords, KEYWORDS_GOAL_MS),
            ("Keywords tab shown the first time (page made)", first_keywords, KEYWORDS_GOAL_MS)):
        line(what, f"{wall * 1000:5.0f} ms wall (zfw32 CPU {cpu * 1000:.0f} ms)",
             f"goal <= {goal} ms", wall * 1000 <= goal)
    for what, private in ((f"idle private memory after start-up", started),
                          (f"idle private memory after {memory_bench.READS} reads",
                           after_reads)):
        line(what, f"{private // 1024:5} KB (notepad {notepad // 1024} KB)",
             "goal <= notepad's", private <= notepad)
    print(f"    the same with glibc's mapping threshold pinned (Wine's screen grab returned): "
          f"{pinned[0] // 1024} KB after start-up, {pinned[1] // 1024} KB after "
          f"{memory_bench.READS} reads (notepad {pinned[2] // 1024} KB)")


if __name__ == "__main__":
    main()
