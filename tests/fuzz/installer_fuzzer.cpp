// Fuzz target: the installer's destination checks, path rules and Program
// Manager commands. Any destination text is either refused before anything
// is written, or yields well-formed commands that fit their 128-byte buffer
// and per-file paths under MAX_PATH. The WININIT.INI editing keeps every
// existing line.
#include "installer/Destination.h"
#include "installer/InstallFileList.h"
#include "installer/PathRules.h"
#include "installer/ProgmanCommands.h"
#include "installer/WininitRename.h"
#include "tests/Fixtures.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Every folder exists; counts what was asked of it.
class CountingFiles : public InstallFiles {
public:
    int calls = 0;
    bool setCurrentDirectory(const std::string&) override { return ++calls, true; }
    bool createDirectory(const std::string&) override { return ++calls, true; }
    bool copyFile(const std::string&, const std::string&, bool) override { return ++calls, true; }
    bool fileExists(const std::string&) override { return false; }
    bool deleteFile(const std::string&) override { return ++calls, true; }
    bool removeDirectory(const std::string&) override { return ++calls, true; }
    bool removeAtRestart(const std::string&) override { return ++calls, true; }
};

void checkCommands(const std::string& folder, bool addToStartup) {
    const std::vector<std::string> commands = groupCommands(folder, addToStartup);
    require(commands.size() == (addToStartup ? 8u : 5u));
    for (const std::string& command : commands) {
        require(command.size() < kCommandBufferSize);
        require(command.front() == '[' && command.back() == ']');
        require(command.find('\0') == std::string::npos);
        if (command.rfind("[AddItem", 0) == 0) {
            require(command.find("(\"" + folder + "\\") != std::string::npos);
            require(command.find('"', command.find('"') + 1) == command.size() - 15 ||
                    command.find('"', command.find('"') + 1) == command.size() - 14);
        }
    }
}

void checkDestination(const std::string& text, bool addToStartup) {
    CountingFiles files;
    std::string path;
    const DestinationCheck check = prepareDestination(files, text, path);
    if (check != DestinationCheck::Ready) {
        require(destinationMessage(check) != 0);
        if (check != DestinationCheck::CannotCreate)
            require(files.calls == 0);
        return;
    }
    require(!path.empty() && path.size() <= kMaxDestinationLength);
    require(!hasBadCharacters(path));
    checkCommands(path, addToStartup);
    for (const char* entry : kInstallFileList) {
        const FileCopy copy = planFileCopy(entry, "C:\\SETUP", path);
        require(copy.destination.size() < kMaxPath);
        require(copy.destination == upperCase(copy.destination));
    }
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// True when every byte of `inner` appears in `outer` in the same order.
bool isSubsequence(const std::string& inner, const std::string& outer) {
    std::size_t next = 0;
    for (const char c : outer) {
        if (next < inner.size() && inner[next] == c)
            ++next;
    }
    return next == inner.size();
}

void checkWininit(const std::string& ini) {
    const std::string line = "NUL=C:\\ZEMBRA~1\\UNINST~1.EXE\r\n";
    const std::string result = addWininitRemoval(ini, "C:\\ZEMBRA~1\\UNINST~1.EXE");
    require(occurrences(result, line) >= occurrences(ini, line) + 1);
    // Only the new line, a missing line end and a new section header are added,
    // and nothing of the old text is lost or reordered.
    require(result.size() - ini.size() <= line.size() + std::string("\r\n[rename]\r\n").size());
    require(isSubsequence(ini, result));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 0x80)
        checkWininit(text);
    else
        checkDestination(text, data[0] & 1);
    return 0;
}
