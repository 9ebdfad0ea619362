"""A vocabulary of the length users keep: the Keywords page shows 2,000 entries in order,
moves a block of rows up, deletes one, and OK writes exactly the edited list to data.dat."""

import unittest

from zfharness import datafile
from zfharness.constants import (IDC_KEYWORDS_DELETE, IDC_KEYWORDS_LIST, IDC_KEYWORDS_UP,
                                 IDC_VOCAB_KEYWORDS, IDOK, LVM_GETITEMCOUNT, LVM_GETNEXTITEM,
                                 LVNI_SELECTED, MODE_NAMES)
from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

LONG = [(f"entry {n:04d}", (ANY_WORD, ALL_WORDS, EXACT_PHRASE)[n % 3]) for n in range(2000)]
SHORT = Vocabulary("Short", "shell32.dll", 4, [("kestrel", ANY_WORD)])
BLOCK = [1500, 1501, 1502]
DELETED = 700


def shown(entries):
    return [[text, MODE_NAMES[mode]] for text, mode in entries]


def edited():
    """The entries after the block moves up one place and row DELETED goes."""
    entries = list(LONG)
    first, last = BLOCK[0], BLOCK[-1]
    entries[first - 1:last + 1] = entries[first:last + 1] + [entries[first - 1]]
    del entries[DELETED]
    return entries


def next_selected(desk, rows, after):
    """The first selected row after `after`: one message, where reading every row of the list
    takes the probe seconds on a loaded machine."""
    return desk.probe.send(rows, LVM_GETNEXTITEM, after, LVNI_SELECTED)


class LongListTest(unittest.TestCase):
    def test_block_move_and_delete_in_two_thousand_entries(self):
        with WineDesktop("editing-long-list") as desk:
            program = Program(desk, datafile.data_file(
                [Vocabulary("Long", "shell32.dll", 3, LONG), SHORT]))
            program.open_from_tray_menu("Vocabularies")
            program.click(IDC_VOCAB_KEYWORDS)
            desk.wait_for(lambda: program.visible_page() == 1, message="the Keywords page")
            rows = program.control(IDC_KEYWORDS_LIST)
            desk.wait_for(lambda: desk.probe.send(rows, LVM_GETITEMCOUNT) == len(LONG),
                          timeout=60, message="2,000 rows")
            listing = desk.probe.listview(rows)["items"]
            self.assertEqual(shown(LONG), [item["texts"] for item in listing])
            self.assertEqual([(0, True, True)], [(n, item["selected"], item["focused"])
                                                 for n, item in enumerate(listing)
                                                 if item["selected"] or item["focused"]])

            desk.probe.listview_select(rows, BLOCK)
            program.click(IDC_KEYWORDS_UP)
            desk.wait_for(lambda: next_selected(desk, rows, 0) == BLOCK[0] - 1,
                          timeout=60, message="the block one place up")
            self.assertEqual([n - 1 for n in BLOCK], desk.probe.listview_selected(rows))

            desk.probe.listview_select(rows, [DELETED])
            program.click(IDC_KEYWORDS_DELETE)
            desk.wait_for(lambda: desk.probe.send(rows, LVM_GETITEMCOUNT) == len(LONG) - 1,
                          timeout=60, message="one row deleted")
            listing = desk.probe.listview(rows)["items"]
            self.assertEqual(shown(edited()), [item["texts"] for item in listing])
            self.assertEqual([], [n for n, item in enumerate(listing) if item["selected"]])

            program.finish(IDOK)
            self.assertEqual(datafile.data_file(
                [Vocabulary("Long", "shell32.dll", 3, edited()), SHORT]), program.data())


if __name__ == "__main__":
    unittest.main()
