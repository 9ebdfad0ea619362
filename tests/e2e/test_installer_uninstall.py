"""uninstzfw.exe under Wine, started from its Start menu shortcut after a real
installation: it removes only what the installer made and keeps data.dat when asked;
started from the folder of the installation files it refuses."""

import os
import unittest

from zfharness import wine
from zfharness.constants import DEFAULT_FOLDER, IDNO, IDOK, IDYES, UNINSTALL_CAPTION
from zfharness.desktop import WineDesktop
from zfharness.installer import SETUP_FOLDER, InstallerDriver, screenshot_path, start_shortcut

CONFIRM = ("Do you want to remove Zembrafind from the folder\n" + DEFAULT_FOLDER +
           "\nand from the Start menu?")
KEEP = ("Do you want to keep your vocabularies and settings (the file DATA.DAT)?\n\n"
        "Choose Yes to keep them for a later installation.")
REFUSED = ("This folder holds the Zembrafind installation files, not an installed Zembrafind:\n" +
           SETUP_FOLDER + "\n\nNothing has been removed. To remove Zembrafind, choose "
           "\"Uninstall\" in its Start menu group.")


class UninstallTest(unittest.TestCase):
    def test_removes_what_the_installer_made_and_keeps_the_data_file_on_request(self):
        with WineDesktop("installer-uninstall") as desk:
            inst = InstallerDriver(desk)
            inst.install()
            desk.write_file(DEFAULT_FOLDER + "\\MY NOTES.TXT", b"not the installer's")

            self.start_uninstaller(desk, inst)
            desk.screenshot(screenshot_path("6-uninstall-question.png"))
            inst.answer(CONFIRM, IDYES, UNINSTALL_CAPTION)
            inst.answer(KEEP, IDYES, UNINSTALL_CAPTION)
            report = inst.wait_message(UNINSTALL_CAPTION)["text"]
            desk.screenshot(screenshot_path("7-uninstall-report.png"))
            self.assertIn("10 file(s) deleted.", report)
            self.assertIn("(DATA.DAT) were kept", report)
            self.assertIn('"Zembrafind" was removed', report)
            self.assertIn("UNINSTZFW.EXE will be deleted when Windows next starts", report)
            inst.answer(report, IDOK, UNINSTALL_CAPTION)
            inst.wait_end()

            self.assertEqual(["DATA.DAT", "MY NOTES.TXT", "UNINSTZFW.EXE"], inst.folder_names())
            self.assertIsNone(inst.group_folder("Zembrafind"))
            self.assertIsNone(inst.shortcut("Startup", "Zembrafind"))
            self.assertIn("c:\\program files\\zembrafind\\uninstzfw.exe",
                          self.pending_removals(desk))

    def test_without_the_data_file_the_folder_goes_at_restart(self):
        with WineDesktop("installer-uninstall-all") as desk:
            inst = InstallerDriver(desk)
            inst.install(startup=False)
            self.start_uninstaller(desk, inst)
            inst.answer(CONFIRM, IDYES, UNINSTALL_CAPTION)
            inst.answer(KEEP, IDNO, UNINSTALL_CAPTION)
            report = inst.wait_message(UNINSTALL_CAPTION)["text"]
            self.assertIn("11 file(s) deleted.", report)
            self.assertIn("UNINSTZFW.EXE and the folder will be deleted", report)
            inst.answer(report, IDOK, UNINSTALL_CAPTION)
            inst.wait_end()
            self.assertEqual(["UNINSTZFW.EXE"], inst.folder_names())
            pending = self.pending_removals(desk)
            self.assertIn("c:\\program files\\zembrafind\\uninstzfw.exe", pending)
            self.assertIn("c:\\program files\\zembrafind", pending.replace("uninstzfw.exe", ""))

    def test_declining_removes_nothing(self):
        with WineDesktop("installer-uninstall-no") as desk:
            inst = InstallerDriver(desk)
            inst.install()
            before = inst.folder_names()
            self.start_uninstaller(desk, inst)
            inst.answer(CONFIRM, IDNO, UNINSTALL_CAPTION)
            inst.wait_end()
            self.assertEqual(before, inst.folder_names())
            self.assertIsNotNone(inst.shortcut("Zembrafind", "Uninstall"))
            self.assertIsNotNone(inst.shortcut("Startup", "Zembrafind"))
            self.check_the_installation_files_are_refused(desk, inst)

    def check_the_installation_files_are_refused(self, desk, inst):
        """The uninstaller ships beside install.exe; started there it refuses, and
        neither those files nor the real installation's Start menu group go."""
        setup = desk.unix_path(inst.setup)
        before = sorted(os.listdir(setup))
        installed = inst.folder_names()
        inst.start("uninstzfw.exe", title=UNINSTALL_CAPTION)
        inst.answer(REFUSED, IDOK, UNINSTALL_CAPTION)
        inst.wait_end()
        self.assertEqual(before, sorted(os.listdir(setup)))
        self.assertEqual(installed, inst.folder_names())
        self.assertIsNotNone(inst.shortcut("Zembrafind", "Uninstall"))
        self.assertIsNotNone(inst.shortcut("Startup", "Zembrafind"))

    @staticmethod
    def start_uninstaller(desk, inst):
        inst.process = start_shortcut(desk, inst.shortcut("Zembrafind", "Uninstall"))

        def question():
            for window in desk.probe.find_windows(title=UNINSTALL_CAPTION):
                return window
        inst.pid = desk.wait_for(question, message="the uninstaller's question")["pid"]

    @staticmethod
    def pending_removals(desk):
        """What the system will remove at its next start, lower-cased."""
        answer = wine.run("reg", ["query",
                                  "HKLM\\System\\CurrentControlSet\\Control\\Session Manager",
                                  "/v", "PendingFileRenameOperations"],
                          env=desk.env, check=False, output=True)
        return answer.decode("latin-1").lower()


if __name__ == "__main__":
    unittest.main()
