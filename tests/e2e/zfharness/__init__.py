"""The end-to-end harness: Zembrafind's programs driven under Wine on a private X display,
for the tests in tests/e2e, `make run`, `make screenshots` and the benchmarks.

    constants  every number and name the tests share with Windows and with the programs:
               messages, window titles, folders, the resource ids of resources/*Ids.h
    wine       which Wine runs the programs, their environment, and start(): the one way
               a Windows program is started
    prefix     the template Wine prefix and each test's cheap copy
    desktop    WineDesktop: Xvfb, prefix, taskbar, probe, mouse and keys, waiting
    winprobe   the client of winprobe.exe (its file sits beside the probe's C++ sources)
    datafile   data.dat written and read from its layout, apart from the program's code
    program    zfw32 installed with a data file and started; its tabbed window and dialogs
    reading    a read: the tray icon dragged onto a document, and what it leaves behind
    health     checks of a running program for the reliability and soak tests
    installer  install.exe and uninstzfw.exe driven as a user would

The tests find the package because CTest runs them in tests/e2e. Anything that runs
elsewhere (tools/run.py, tools/screenshots.py, tools/bench/*.py, tests/release) has
tests/e2e on PYTHONPATH: the Makefile, tools/bench.sh and CTest set it.
"""

import os

# The probe's client lives beside the probe's sources, so that a change to their protocol
# touches one folder; it is a module of this package all the same (zfharness.winprobe).
__path__.append(os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.dirname(os.path.abspath(__file__))))), "tools", "winprobe"))
