// The window classes of consoles and terminals: programs that take Ctrl+C as
// "interrupt the running command", never as a copy.
#pragma once

#include <string_view>

// One terminal's window class and the program it belongs to.
struct TerminalClass {
    const char* className;
    const char* program;
};

// A terminal passes Ctrl+C on to the command it runs as an interrupt (a
// console raises CTRL_C_EVENT, an SSH client sends ^C to the remote shell):
// a batch job or a build stops halfway. Top-level classes suffice for the
// terminals that draw into children of other classes, since the capture asks
// about a window, its top-level window and its focused control.
inline constexpr TerminalClass kTerminalClasses[] = {
    {"ConsoleWindowClass", "the Windows NT console (command prompt)"},
    {"tty", "the MS-DOS prompt of Windows 95 and 98"},
    {"PseudoConsoleWindow", "the hidden window of a pseudo console"},
    {"CASCADIA_HOSTING_WINDOW_CLASS", "Windows Terminal"},
    {"PuTTY", "PuTTY"},
    {"PuTTYtel", "PuTTYtel"},
    {"pterm", "PuTTY's local terminal"},
    {"KiTTY", "KiTTY"},
    {"mintty", "mintty (Cygwin, MSYS2, Git Bash, WSLtty)"},
    {"VirtualConsoleClass", "ConEmu and Cmder"},
    {"Console_2_Main", "Console2 and ConsoleZ"},
    {"VTWin32", "Tera Term"},
    {"TEKWin32", "Tera Term's graphics window"},
    {"rxvt", "rxvt for Cygwin"},
    {"TMobaXtermForm", "MobaXterm"},
    {"org.wezfurlong.wezterm", "WezTerm"},
};

// True when `className` is one of kTerminalClasses. Window class names are
// compared as the system does, without regard to letter case.
bool IsTerminalClass(std::string_view className);
