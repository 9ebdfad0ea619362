"""Which Wine runs the programs, with what environment, and start(): the one way the harness,
the tests, the demo and the benchmarks start a Windows program (zfw32, notepad, WordPad, the
installer, the probe, the test programs, Wine's own tools)."""

import ctypes
import functools
import os
import signal
import subprocess

# Debian's 64-bit Wine loader, used directly where the 32-bit one cannot start.
_WINE64_LOADER = "/usr/lib/wine/wine64"


@functools.lru_cache(maxsize=None)
def wine_arch():
    """"win32" where this host runs 32-bit code (the product's own kind of program);
    "win64" on a host whose kernel runs no 32-bit code at all (some virtual machines
    answer "Exec format error" to every 32-bit program, Wine's loader included): there
    the tests drive a 64-bit build of the same sources under 64-bit Wine (the Makefile
    builds it on such a host). ZF_WINE_ARCH overrides the check."""
    chosen = os.environ.get("ZF_WINE_ARCH")
    if chosen in ("win32", "win64"):
        return chosen
    try:
        ok = subprocess.run(["wine", "--version"], capture_output=True, timeout=60).returncode == 0
    except OSError:
        ok = False
    return "win32" if ok or not os.path.exists(_WINE64_LOADER) else "win64"


def wine_command():
    """The command that starts a Windows program in a test's prefix."""
    return ["wine"] if wine_arch() == "win32" else [_WINE64_LOADER]


def wine_environment(prefix, display=None):
    """Environment for every Wine process of a test: quiet, no Mono/Gecko prompts,
    a prefix of the programs' own kind (32-bit, as the product; the probe reads other
    processes' memory with its own layouts, so it is always built like the programs)."""
    env = dict(os.environ)
    for name in ("WAYLAND_DISPLAY", "WINELOADER", "WINESERVER"):
        env.pop(name, None)
    env.update(WINEPREFIX=str(prefix), WINEARCH=wine_arch(), WINEDEBUG=os.environ.get("ZF_WINEDEBUG", "-all"),
               WINEDLLOVERRIDES="mscoree,mshtml=")
    if wine_arch() == "win64":
        env["WINELOADER"] = _WINE64_LOADER
    if display is None:
        env.pop("DISPLAY", None)
    else:
        env["DISPLAY"] = display
    return env


def wine_version():
    return subprocess.run(wine_command() + ["--version"], capture_output=True, text=True,
                          check=True).stdout.strip() + "-" + wine_arch()


_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def own_session_dying_with_parent():
    """preexec_fn for every process a test starts: its own session (so that it can be
    stopped as a group) and a kill when the test process dies, even by SIGKILL from a
    CTest timeout. Xvfb going down takes the Wine processes with it."""
    os.setsid()
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def start(program, args=(), env=None, cwd=None, stdin=None, stdout=None, stderr=None):
    """Starts a Windows program under this host's Wine (wine_command: 32-bit Wine, or the
    64-bit loader on a host that runs no 32-bit code) and returns its Popen. program is a
    Windows or Linux path, or a name Wine finds on its own path (notepad.exe, regedit);
    env is a wine_environment. The process has its own session and dies with the test
    (own_session_dying_with_parent)."""
    return subprocess.Popen(wine_command() + [program] + [str(a) for a in args], env=env,
                            cwd=cwd, stdin=stdin, stdout=stdout, stderr=stderr,
                            preexec_fn=own_session_dying_with_parent)


def run(program, args=(), env=None, timeout=120, check=True, output=False):
    """Runs a Windows program to its end with start(). Returns its standard output (bytes)
    with output=True, else None (the output is dropped). check: an exit code other than 0
    raises CalledProcessError. A program still running after timeout seconds is killed with
    its group and raises TimeoutExpired."""
    process = start(program, args, env, stdout=subprocess.PIPE if output else subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
    try:
        answer, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:  # it ended meanwhile
            pass
        process.communicate()
        raise
    if check and process.returncode != 0:
        raise subprocess.CalledProcessError(process.returncode, process.args, answer)
    return answer
