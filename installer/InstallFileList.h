// The fixed, ordered list of files the installer copies, and the plan of one
// copy (source, destination, keep-existing) derived from an entry.
#pragma once

#include <array>
#include <string>

// An entry starting with this marker names a shipped file whose destination
// name lacks the marker and which never replaces an existing file.
constexpr char kKeepExistingMarker = '+';

constexpr std::array<const char*, 12> kInstallFileList = {
    "readme.txt",   "zfw32.exe",  "uninstzfw.exe", "Zfhelp.htm",  "Zfqs.htm", "Zfqsf.htm",
    "zfwother.htm", "target.gif", "+data.dat",     "license.txt", "type.wav", "whoosh.wav",
};

// The installed name of an entry (the entry without a leading marker).
std::string destinationName(const std::string& entry);
bool isKeepExisting(const std::string& entry);

struct FileCopy {
    std::string source;      // upper-case full path in the installer's folder
    std::string destination; // upper-case full path in the destination folder
    bool keepExisting = false;
};

FileCopy planFileCopy(const std::string& entry, const std::string& sourceFolder,
                      const std::string& destinationPath);
