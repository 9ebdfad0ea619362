"""Wine prefixes for the end-to-end tests: one template per Wine version, cheap copies per test."""

import fcntl
import os
import shutil
import subprocess
import tempfile
import time

from zfharness import wine

# Raise when the recipe below changes, so that cached templates are made again.
TEMPLATE_REVISION = 2

# Folder inside drive_c that holds the harness's own programs and logs.
HARNESS_DIR = "zfharness"
OPENED_PAGES_LOG = "opened-pages.log"

# The desktop named "shell" has a taskbar with a notification area; every program of
# the prefix opens on it. Web pages go to openlog.exe, which records them.
_TEMPLATE_REGISTRY = r"""REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

[HKEY_CLASSES_ROOT\.htm]
@="htmlfile"

[HKEY_CLASSES_ROOT\.html]
@="htmlfile"

[HKEY_CLASSES_ROOT\htmlfile\shell\open\command]
@="C:\\zfharness\\openlog.exe C:\\zfharness\\opened-pages.log \"%1\""
"""

# Files Wine never writes after the prefix is made; a test's copy shares them with the
# template through hard links (a prefix is about 600 MB, nearly all of it these).
_SHARED_SUFFIXES = (".dll", ".exe", ".drv", ".sys", ".nls", ".acm", ".ocx", ".cpl",
                    ".tlb", ".vxd", ".ttf", ".fon", ".ax", ".ds", ".msstyles", ".mui")


def template_path(build_dir):
    key = f"{wine.wine_version()}-r{TEMPLATE_REVISION}".replace("/", "_").replace(" ", "_")
    return os.path.join(build_dir, "wineprefix-template", key)


def ensure_template(build_dir):
    """Returns the template prefix for this Wine version, making it on first use.
    Safe when several tests start at once: one makes it, the others wait."""
    path = template_path(build_dir)
    root = os.path.dirname(path)
    os.makedirs(root, exist_ok=True)
    with open(os.path.join(root, ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not os.path.isdir(path):
            started = time.monotonic()
            staging = tempfile.mkdtemp(prefix="staging-", dir=root)
            try:
                _make_template(staging)
                os.rename(staging, path)
            except BaseException:
                shutil.rmtree(staging, ignore_errors=True)
                raise
            with open(os.path.join(path, "created-in-seconds"), "w") as note:
                note.write(f"{time.monotonic() - started:.1f}\n")
    return path


def _make_template(prefix):
    env = wine.wine_environment(prefix)
    os.rmdir(prefix)  # wineboot wants to create the folder itself
    wine.run("wineboot", ["-i"], env=env, timeout=300)
    reg_file = os.path.join(prefix, "drive_c", "harness.reg")
    with open(reg_file, "w", newline="\r\n") as out:
        out.write(_TEMPLATE_REGISTRY)
    wine.run("regedit", ["/S", "C:\\harness.reg"], env=env, timeout=120)
    subprocess.run(["wineserver", "-w"], env=env, check=True, timeout=120)
    os.remove(reg_file)
    os.makedirs(os.path.join(prefix, "drive_c", HARNESS_DIR))
    _detach_home_folders(prefix)
    _install_caption_font(prefix)


def _detach_home_folders(prefix):
    """Wine links Desktop, Documents and the like to the Linux home folder; a test must
    not write there, so they become plain folders of the prefix."""
    users = os.path.join(prefix, "drive_c", "users")
    for folder, dirs, _ in os.walk(users):
        for name in dirs:
            link = os.path.join(folder, name)
            if os.path.islink(link):
                os.remove(link)
                os.mkdir(link)


def _install_caption_font(prefix):
    """Caption buttons are drawn with Marlett; Debian's Wine does not find its copy on its
    own and draws letters instead, which spoils the screenshots."""
    for folder in ("/usr/share/wine/fonts", "/usr/lib/wine/fonts", "/opt/wine/share/wine/fonts"):
        font = os.path.join(folder, "marlett.ttf")
        if os.path.exists(font):
            fonts = os.path.join(prefix, "drive_c", "windows", "Fonts")
            os.makedirs(fonts, exist_ok=True)
            shutil.copy2(font, fonts)
            return


def add_user_settings(prefix, settings):
    """Adds string values under HKEY_CURRENT_USER to a prefix whose Wine is not running:
    a section appended to user.reg, which Wine reads after the sections before it."""
    if not settings:
        return
    lines = []
    for key, values in settings.items():
        lines.append("\n[%s] 0" % key.replace("\\", "\\\\"))
        for name, value in values.items():
            lines.append('"%s"="%s"' % (name, value))
    with open(os.path.join(prefix, "user.reg"), "a", newline="\n") as registry:
        registry.write("\n".join(lines) + "\n")


def copy_prefix(template, target):
    """Copies the template to target (which must not exist): binaries as hard links,
    everything Wine may write (registry, ini files) as real copies."""
    def copy(source, destination):
        if source.lower().endswith(_SHARED_SUFFIXES):
            os.link(source, destination)
        else:
            shutil.copy2(source, destination)
    shutil.copytree(template, target, symlinks=True, copy_function=copy)
