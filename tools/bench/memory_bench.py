"""Idle memory of zfw32.exe under Wine, printed by `make bench`: its private bytes and working
set once start-up has settled and again after 10 reads of a notepad document, beside those of
Wine's notepad showing that document, measured in the same Wine desktop. Uses the end-to-end
harness of tests/e2e."""

import time

from zfharness import datafile, health
from zfharness import reading as rd
from zfharness.desktop import WineDesktop

READS = 10
DOCUMENT = ("Field notes, Tuesday\n\nA zebra stood by the fence post at dawn while a kestrel "
            "hovered\nover the river. Then came rain and a strong, cold wind.\n")
# A figure counts as settled once it has stayed the same this long.
STEADY_SECONDS = 2.0


def settled_memory(desk, pid, timeout=30):
    """The process's {"private", "workingSet"} once the private bytes stop changing (a
    program still starting up allocates for a while), or the last figures after timeout."""
    deadline = time.monotonic() + timeout
    last = health.memory(desk, pid)
    steady_since = time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.25)
        now = health.memory(desk, pid)
        if now["private"] != last["private"]:
            steady_since = time.monotonic()
        last = now
        if time.monotonic() - steady_since >= STEADY_SECONDS:
            break
    return last


def line(label, memory):
    return (f"  {label:27} {memory['private'] // 1024:7} KB private "
            f"{memory['workingSet'] // 1024:7} KB working set")


def main():
    with WineDesktop("bench-memory") as desk:
        rd.start_reader(desk, datafile.sample_vocabularies())
        program = health.program_pid(desk)
        started = settled_memory(desk, program)
        notepad = desk.start_notepad(DOCUMENT, name="memory.txt")
        notepad_started = settled_memory(desk, desk.probe.window(notepad)["pid"])
        idle = desk.tray_icon_image()
        for _ in range(READS):
            rd.put_desktop_in_front(desk)
            health.read_and_close(desk, notepad, idle)
        after_reads = settled_memory(desk, program)
    print("idle memory under Wine, in one desktop:")
    print(line("zfw32.exe after start-up", started))
    print(line(f"zfw32.exe after {READS} reads", after_reads))
    print(line("notepad.exe after start-up", notepad_started))


if __name__ == "__main__":
    main()
