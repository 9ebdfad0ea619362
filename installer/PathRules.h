// Path rules of the installer: strip one trailing backslash, join a folder and
// a file name, upper-case, and cut a full path to its folder.
#pragma once

#include <cstddef>
#include <string>

// The platform's MAX_PATH: every per-file path must stay below it.
constexpr std::size_t kMaxPath = 260;

// Removes one trailing "\" from a path of two or more characters; a lone "\"
// stays, so that it still names the root of the current drive.
std::string stripTrailingBackslash(std::string path);

// The folder, a "\" unless the folder is empty or already ends in one, then
// the name.
std::string joinPath(const std::string& folder, const std::string& name);

// Letters a to z become A to Z; every other byte is kept, so that names in
// the ANSI code page pass through unchanged.
std::string upperCase(std::string text);

// The part of a full path before its last "\" (empty when there is none).
std::string folderOf(const std::string& fullPath);

// The part of a full path after its last "\".
std::string fileNameOf(const std::string& fullPath);
