"""Dragging a vocabulary's icon from the Vocabularies page onto notepad: the tabbed window
closes as with OK (the edits are saved first) and the read uses that one vocabulary."""

import unittest

from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import (IDC_KEYWORDS_ADD, IDC_KEYWORDS_VOCABULARY, IDC_VOCAB_LIST,
                                 LVIR_ICON)
from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

DOCUMENT = "Zebras graze at dawn.\nThe kestrel watches\nfrom the fence post.\nRain and wind.\n"

VOCABULARIES = [
    Vocabulary("Animals", "shell32.dll", 41, [("zebra", ANY_WORD), ("kestrel", ANY_WORD)]),
    Vocabulary("Weather", "shell32.dll", 12, [("rain", ANY_WORD), ("wind rain", ALL_WORDS)]),
]


class VocabularyDragTest(unittest.TestCase):
    def test_drag_commits_the_edits_and_reads_with_that_vocabulary(self):
        with WineDesktop("editing-drag") as desk:
            notepad = desk.start_notepad(DOCUMENT, name="fence.txt")
            program = Program(desk, datafile.data_file(VOCABULARIES))
            idle = desk.tray_icon_image()
            program.open_from_tray_menu("Vocabularies")

            # An edit not yet confirmed: the read must see it, data.dat must keep it.
            program.show_tab(1)
            desk.probe.select_combo(program.control(IDC_KEYWORDS_VOCABULARY), 1)
            program.keyword_dialog(IDC_KEYWORDS_ADD, "fence post", EXACT_PHRASE)
            program.show_tab(0)

            icons = program.control(IDC_VOCAB_LIST)
            start = rd.centre(desk.probe.listview_item_rect(icons, 1, LVIR_ICON))
            point = rd.document_point(desk, notepad)
            desk.drag(start, point, steps=15, hold_ms=200)
            desk.wait_for(lambda: program.tabbed() is None, message="the tabbed window closed")

            rd.wait_busy(desk)
            rd.wait_idle(desk, idle)
            window = rd.wait_found_window(desk)
            listing, _ = rd.found_list(desk, window)
            self.assertEqual(["fence post", "rain", "wind rain"], sorted(listing["items"]))
            rd.check_desktop_after_read(desk, notepad, point, close="Close")

            edited = [VOCABULARIES[0],
                      Vocabulary("Weather", "shell32.dll", 12,
                                 VOCABULARIES[1].entries + [("fence post", EXACT_PHRASE)])]
            self.assertEqual(datafile.data_file(edited), program.data())


if __name__ == "__main__":
    unittest.main()
