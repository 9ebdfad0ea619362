// The Program Manager command series (see ProgmanCommands.h).
#include "installer/ProgmanCommands.h"

#include "installer/PathRules.h"

namespace {

const char kProgramFile[] = "zfw32.exe";
const char kUninstallerFile[] = "uninstzfw.exe";

// The command line is quoted so that folders with blanks work; the item's
// name stands bare, as the shell expects.
std::string addItem(const std::string& folder, const char* file, const char* name) {
    return "[AddItem (\"" + folder + "\\" + file + "\", " + name + ")]";
}

} // namespace

std::vector<std::string> groupCommands(const std::string& folder, bool addToStartup) {
    std::vector<std::string> commands = {
        "[DeleteGroup(\"Zembrafind\")]",
        "[CreateGroup(\"Zembrafind\")]",
        addItem(folder, kProgramFile, "Zembrafind"),
        addItem(folder, kUninstallerFile, "Uninstall"),
    };
    if (addToStartup) {
        commands.push_back("[CreateGroup(\"Startup\")]");
        commands.push_back(addItem(folder, kProgramFile, "Zembrafind"));
    }
    commands.push_back("[ShowGroup(\"Zembrafind\", 1)]");
    if (addToStartup)
        commands.push_back("[ShowGroup(\"Startup\", 6)]");
    return commands;
}

std::vector<std::string> removalCommands() {
    return {
        "[DeleteGroup(\"Zembrafind\")]",
        "[ShowGroup(\"Startup\", 6)]",
        "[DeleteItem(Zembrafind)]",
    };
}

bool fitsCommandBuffer(const std::vector<std::string>& commands) {
    for (const std::string& command : commands) {
        if (command.size() >= kCommandBufferSize)
            return false;
    }
    return true;
}
