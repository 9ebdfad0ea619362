"""The distribution as it leaves the project: `make release`'s archive and checksum list,
the one version in every place that shows it, and the first data file's example vocabulary
on the quick-start pages that send the user to try it. Reads build/dist and the Windows
build's version file; runs the release script into a temporary folder. Reads data.dat
with the end-to-end harness's reader (tests/e2e on PYTHONPATH, as CTest sets it)."""

import hashlib
import os
import re
import subprocess
import tempfile
import unittest
import zipfile

from zfharness import datafile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

DIST = os.environ.get("ZF_DIST_DIR") or os.path.join(ROOT, "build", "dist")
WIN32 = os.environ.get("ZF_WIN32_DIR") or os.path.join(ROOT, "build", "win32")
PROGRAMS = ("zfw32.exe", "install.exe", "uninstzfw.exe")


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as cmake:
        return re.search(r"project\(Zembrafind VERSION ([0-9.]+)", cmake.read()).group(1)


def dist_bytes(name):
    with open(os.path.join(DIST, name), "rb") as f:
        return f.read()


def version_values(exe):
    """The version resource's string values (UTF-16 key, padding, UTF-16 value)."""
    data = dist_bytes(exe)
    values = {}
    for key in ("FileVersion", "ProductVersion", "OriginalFilename"):
        found = re.search(key.encode("utf-16-le") + rb"(?:\x00\x00)+((?:[^\x00]\x00)+)", data)
        values[key] = found.group(1).decode("utf-16-le") if found else None
    return values


class ReleaseArchiveTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory()
        version_file = os.path.join(WIN32, "generated", "version.txt")
        subprocess.run(["sh", os.path.join(ROOT, "tools", "make_release.sh"), DIST, version_file,
                        cls.out.name], check=True, capture_output=True)
        cls.name = f"zembrafind-{project_version()}"

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def test_the_zip_unpacks_to_exactly_the_distribution_folder(self):
        with zipfile.ZipFile(os.path.join(self.out.name, self.name + ".zip")) as archive:
            self.assertEqual(sorted(os.listdir(DIST)), sorted(archive.namelist()))
            for name in archive.namelist():
                self.assertEqual(dist_bytes(name), archive.read(name), name)

    def test_the_checksum_list_names_the_zip_and_every_file_with_its_sha256(self):
        with open(os.path.join(self.out.name, self.name + ".sha256")) as sums:
            lines = [line.rstrip("\n").split("  ", 1) for line in sums]
        listed = {name: digest for digest, name in lines}
        self.assertEqual(lines[0][1], self.name + ".zip")
        self.assertEqual(set(os.listdir(DIST)) | {self.name + ".zip"}, set(listed))
        for name, digest in listed.items():
            folder = self.out.name if name.endswith(".zip") else DIST
            with open(os.path.join(folder, name), "rb") as f:
                self.assertEqual(hashlib.sha256(f.read()).hexdigest(), digest, name)


class OneVersionTest(unittest.TestCase):
    def setUp(self):
        self.version = project_version()

    def test_every_program_carries_the_project_version(self):
        for exe in PROGRAMS:
            self.assertEqual({"FileVersion": self.version, "ProductVersion": self.version,
                              "OriginalFilename": exe}, version_values(exe), exe)

    def test_about_banner_help_and_readme_show_it_in_their_quoted_wording(self):
        about = f"Zembrafind ver. {self.version} FREE BETA 1"
        self.assertIn(about.encode("utf-16-le"), dist_bytes("zfw32.exe"))
        self.assertIn(f"Zembrafind version {self.version}".encode(), dist_bytes("install.exe"))
        self.assertTrue(dist_bytes("readme.txt").startswith(
            f"{about} for Windows 95/98/NT\r\n".encode()))
        for name in ("Zfhelp.htm", "readme.txt", "license.txt"):
            self.assertIn(about.encode(), dist_bytes(name), name)
            self.assertNotIn(b"@VERSION@", dist_bytes(name), name)

    def test_readme_and_licence_agree_on_freeware(self):
        for name in ("readme.txt", "license.txt"):
            text = dist_bytes(name).decode("cp1252")
            self.assertIn("freeware", text.lower(), name)
        self.assertNotIn("is free software", dist_bytes("readme.txt").decode("cp1252"))


class ExampleVocabularyTest(unittest.TestCase):
    def test_the_quick_start_pages_hold_every_word_and_ask_for_the_drag(self):
        vocabularies, settings = datafile.parse(dist_bytes("+data.dat"))
        self.assertEqual(["Quick start"], [v.name for v in vocabularies])
        words = [entry[0] for entry in vocabularies[0].entries]
        self.assertGreaterEqual(len(words), 3)
        for page in ("Zfqsf.htm", "Zfqs.htm"):
            text = dist_bytes(page).decode("cp1252")
            # What a browser shows: no tags, one blank for any run of white space.
            shown = " ".join(re.sub(r"<[^>]*>", "", text).split()).lower()
            for word in words:
                self.assertIn(word.lower(), shown, f"{word!r} on {page}")
            self.assertIn("drag the icon onto this page", shown, page)
        # The sounds stay as a new store has them: off, without files.
        self.assertEqual((False, False, "", ""), (settings.play_found, settings.play_not_found,
                                                   settings.found_sound, settings.not_found_sound))


if __name__ == "__main__":
    unittest.main()
