"""The About page under Wine: its texts, the mail and web links handed to the shell, the
"Other software..." page from the program's folder (and nothing when it is missing), and
Cancel from inside the page."""

import os
import unittest

from zfharness.constants import (IDC_ABOUT_MAIL, IDC_ABOUT_OTHER, IDC_ABOUT_WEB, IDCANCEL,
                                 WM_COMMAND)
from zfharness.desktop import WineDesktop
from zfharness.program import Program

MAIL = "mailto:info@zembrafind.example"
WEB = "http://www.zembrafind.example/"
OTHER_PAGE = "C:\\Zembrafind\\zfwother.htm"
QUICK_START = "C:\\Zembrafind\\zfqsf.htm"

# Mail and web links go to the harness's page logger too, as a browser and a mail
# program would receive them.
_URL_HANDLERS = "REGEDIT4\r\n" + "".join(
    f'\r\n[HKEY_CLASSES_ROOT\\{scheme}]\r\n@="URL:{scheme}"\r\n"URL Protocol"=""\r\n'
    f'\r\n[HKEY_CLASSES_ROOT\\{scheme}\\shell\\open\\command]\r\n'
    f'@="C:\\\\zfharness\\\\openlog.exe C:\\\\zfharness\\\\opened-pages.log \\"%1\\""\r\n'
    for scheme in ("mailto", "http"))


def log_url_links(desk):
    desk.write_file("C:\\zfharness\\urls.reg", _URL_HANDLERS)
    desk.wait_exit(desk.run("regedit.exe", args=["/S", "C:\\zfharness\\urls.reg"]))


def links(desk):
    """What the shell was asked to open after the quick-start page."""
    pages = desk.opened_pages()
    return pages[pages.index(QUICK_START) + 1:]


class AboutPageTest(unittest.TestCase):
    def test_texts_and_links(self):
        with WineDesktop("about-links") as desk:
            log_url_links(desk)
            program = Program(desk)
            # The quick-start page opens at start-up; the links' pages come after it.
            desk.wait_for(lambda: QUICK_START in desk.opened_pages(), message="quick start")
            tabbed = program.open_from_tray_menu("About")
            texts = [c["text"] for c in desk.probe.children(tabbed) if c["visible"]]
            for line in ("Zembrafind ver. 1.0 FREE BETA 1", "for Windows 95/98/NT", "E-mail:",
                         "Internet:", "info@zembrafind.example", WEB, "Other software..."):
                self.assertIn(line, texts)
            self.assertEqual(2, texts.count(">"))
            program.window_shot(tabbed, "about-page")

            # With the page missing nothing opens and the page stays usable.
            os.remove(os.path.join(program.folder, "zfwother.htm"))
            program.click(IDC_ABOUT_OTHER)
            program.click(IDC_ABOUT_MAIL)
            desk.wait_for(lambda: len(links(desk)) == 1, message="the mail link")
            self.assertIsNone(program.message_box(tabbed))

            desk.write_file(OTHER_PAGE, "<html><body>Other software</body></html>")
            program.click(IDC_ABOUT_OTHER)
            desk.wait_for(lambda: len(links(desk)) == 2, message="the page opened")
            program.click(IDC_ABOUT_WEB)
            desk.wait_for(lambda: len(links(desk)) == 3, message="the web link")
            self.assertEqual([MAIL, OTHER_PAGE, WEB], links(desk))
            self.assertIsNotNone(program.tabbed())

    def test_cancel_from_the_page_closes_without_saving(self):
        with WineDesktop("about-cancel") as desk:
            program = Program(desk)
            data = program.data()
            tabbed = program.open_from_tray_menu("About")
            page = desk.probe.control(tabbed, id=IDC_ABOUT_OTHER)["parent"]
            desk.probe.command(page, IDCANCEL)
            desk.wait_for(lambda: program.tabbed() is None, message="cancelled by the page")
            self.assertEqual(data, program.data())
            # The page has no OK: a stray OK command leaves the window open.
            tabbed = program.open_from_tray_menu("About")
            page = desk.probe.control(tabbed, id=IDC_ABOUT_OTHER)["parent"]
            desk.probe.send(page, WM_COMMAND, 1)
            self.assertTrue(desk.probe.window(page)["visible"])
            program.finish(IDCANCEL)


if __name__ == "__main__":
    unittest.main()
