"""Soak: reads of a notepad document one after another (drop, "Keywords found", "Close"),
then open/OK cycles of the tabbed window, whose Vocabularies page is built anew each time
with icons from shell32.dll. The program's memory levels off after the first rounds, it
still answers the tray, and no key is left pressed. `make soak` (ZF_SOAK_FULL=1) runs
100 reads and 50 cycles; `make test` a few of each."""

import os
import sys
import unittest

from zfharness import datafile, health
from zfharness.constants import IDC_VOCAB_LIST, IDOK
from zfharness.datafile import ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

FULL = os.environ.get("ZF_SOAK_FULL") == "1"
READS = 100 if FULL else 10
CYCLES = 50 if FULL else 10
# Rounds after which the program's memory is expected to have levelled off (caches,
# the first Keywords found window, the image lists' first growth).
SETTLED = 10 if FULL else 3
# Growth allowed from the settled round to the last one: Wine's heap moves by a
# few kilobytes; a leak of an image list or a window per round is tens of them.
MARGIN = 256 * 1024

DOCUMENT = ("Zebras graze at dawn.\nThe kestrel watches\nfrom the fence post.\n"
            "Rain and strong wind.\n") * 20
VOCABULARIES = [
    Vocabulary(f"Vocabulary {n}", "shell32.dll", n * 3,
               [("zebra", ANY_WORD), ("kestrel", ANY_WORD), (f"fence post {n}", EXACT_PHRASE)])
    for n in range(12)
] + [Vocabulary("Weather", "shell32.dll", 13, [("rain", ANY_WORD), ("strong wind", EXACT_PHRASE)])]
HITS = sorted(["zebra", "kestrel"] * 12 + ["rain", "strong wind"])


class SoakTest(unittest.TestCase):
    def test_reads_and_tabbed_window_cycles_leave_memory_level(self):
        with WineDesktop("soak") as desk:
            program = Program(desk, datafile.data_file(VOCABULARIES))
            notepad = desk.start_notepad(DOCUMENT, name="soak.txt")
            pid = health.program_pid(desk)
            idle = desk.tray_icon_image()
            start = health.memory(desk, pid)

            edit = desk.probe.control(notepad, cls="Edit")["hwnd"]
            reads = []
            for n in range(READS):
                desk.probe.set_foreground(notepad)
                self.assertEqual(HITS, health.read_and_close(desk, notepad, idle))
                # Nothing was typed into the document by keys gone astray.
                self.assertEqual(DOCUMENT, desk.probe.text(edit).replace("\r\n", "\n"),
                                 f"read {n + 1}")
                reads.append(health.memory(desk, pid))
            cycles = []
            for _ in range(CYCLES):
                desk.click(*desk.tray_point())  # a click opens the Vocabularies page
                program.wait_tabbed()
                rows = desk.probe.listview_rows(program.control(IDC_VOCAB_LIST))
                self.assertEqual(len(VOCABULARIES), len(rows))
                program.finish(IDOK)
                cycles.append(health.memory(desk, pid))

            report(start, "reads", reads)
            report(reads[-1], "tabbed window cycles", cycles)
            self.assert_level("reads", reads)
            self.assert_level("tabbed window cycles", cycles)
            self.assertEqual(datafile.data_file(VOCABULARIES), program.data())
            self.assertEqual([], health.keys_left_down(desk))
            self.assertTrue(health.answers_tray(desk))

    def assert_level(self, what, rounds):
        for counter in ("private", "gdi", "user"):
            settled, last = rounds[SETTLED - 1][counter], rounds[-1][counter]
            margin = MARGIN if counter == "private" else 0
            self.assertLessEqual(last, settled + margin,
                                 f"{what}: {counter} grew from {settled} after round {SETTLED} "
                                 f"to {last} after round {len(rounds)}")


def report(before, what, rounds):
    """Prints the figures: before the first round, after the settled one, at the end."""
    def figures(sample):
        text = f"private {sample['private'] / 1024:.0f} KB"
        if sample["gdi"] or sample["user"]:
            text += f", GDI {sample['gdi']}, USER {sample['user']}"
        return text
    print(f"\n{len(rounds)} {what}: before {figures(before)}; after round {SETTLED} "
          f"{figures(rounds[SETTLED - 1])}; after round {len(rounds)} {figures(rounds[-1])}",
          file=sys.stderr)
    print("  private KB by round: " + " ".join(f"{r['private'] // 1024}" for r in rounds),
          file=sys.stderr)


if __name__ == "__main__":
    unittest.main()
