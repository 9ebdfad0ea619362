// SingleCopy: the rules of one running copy per installation. Two copies
// started from one folder would share its data.dat, and the last OK would
// throw the other's edits away; copies of two installations share nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Whether the system has the "Global\" namespace that names an object for
// every session (Terminal Services, fast user switching): Windows 2000 and
// later. Windows 95/98 and NT 4.0 know only plain names.
bool HasGlobalNamespace(bool windowsNt, unsigned majorVersion);

// A number for the installation: the same for every way of writing its folder
// (letter case, a trailing backslash, forward slashes), as the Start menu, a
// shortcut or a command prompt may each spell it differently.
uint32_t InstallationKey(std::string_view programFolder);

// The name of the single-copy mutex for the installation in `programFolder`;
// in the global namespace when the system has one, so that every session
// and every user sees the same object.
std::string SingleCopyMutexName(std::string_view programFolder, bool globalNamespace);

// The system's error numbers that the rule needs (winerror.h).
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorAlreadyExists = 183;

// Whether this start is the installation's first copy, from what making the
// mutex gave: a handle or none, and the error the system reported. A mutex
// that exists, or that another user made and this one may not open, belongs
// to a running copy. Any other failure leaves nothing to go by: the program
// runs, as it would on a system without named mutexes.
bool IsFirstCopy(bool gotHandle, uint32_t lastError);

// How a second start's attempt to reach the first copy ended, and so what it
// tells the user: nothing when the first copy answered.
enum class FirstCopyContact {
    Answered,
    NoAnswer,    // its window is there but did not answer in time
    Unreachable, // no window of it here: another session, desktop or user
};
