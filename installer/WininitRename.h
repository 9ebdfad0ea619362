// Windows 95/98 remove a file at the next start when WININIT.INI lists it as
// "NUL=path" in its [rename] section; this adds such a line to the file's text.
#pragma once

#include <string>

// `ini` is the current text of WININIT.INI (empty when there is none); the
// line goes right after an existing "[rename]" header, or into a new section.
// Lines are added rather than set because the section may rightly hold
// several "NUL=" keys, which the profile functions would merge into one.
std::string addWininitRemoval(const std::string& ini, const std::string& shortPath);
