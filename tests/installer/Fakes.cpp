// Recording fakes of the installer's platform layer (see Fakes.h).
#include "Fakes.h"

#include "installer/PathRules.h"

bool FakeFiles::setCurrentDirectory(const std::string& folder) {
    if (folders.count(upperCase(folder)) == 0)
        return false;
    current = upperCase(folder);
    return true;
}

bool FakeFiles::createDirectory(const std::string& folder) {
    const std::string upper = upperCase(folder);
    const std::string parent = folderOf(upper);
    if (upper.empty() || folders.count(upper) || files.count(upper) || unwritable.count(upper))
        return false;
    if (parent.size() > 2 && folders.count(parent) == 0)
        return false;
    folders.insert(upper);
    log.push_back("mkdir " + upper);
    return true;
}

bool FakeFiles::copyFile(const std::string& sourcePath, const std::string& destinationPath,
                         bool failIfExists) {
    const std::string source = upperCase(sourcePath);
    const std::string destination = upperCase(destinationPath);
    if (files.count(source) == 0 || unwritable.count(destination))
        return false;
    if (failIfExists && files.count(destination))
        return false;
    files.insert(destination);
    log.push_back("copy " + fileNameOf(source) + " -> " + destination);
    return true;
}

bool FakeFiles::fileExists(const std::string& path) {
    return files.count(upperCase(path)) != 0;
}

bool FakeFiles::deleteFile(const std::string& anyCasePath) {
    const std::string path = upperCase(anyCasePath);
    if (unwritable.count(path) || files.erase(path) == 0)
        return false;
    log.push_back("delete " + path);
    return true;
}

bool FakeFiles::removeDirectory(const std::string& folder) {
    const std::string prefix = upperCase(folder) + "\\";
    for (const std::string& file : files) {
        if (file.compare(0, prefix.size(), prefix) == 0)
            return false;
    }
    if (folders.erase(upperCase(folder)) == 0)
        return false;
    log.push_back("rmdir " + upperCase(folder));
    return true;
}

bool FakeFiles::removeAtRestart(const std::string& path) {
    atRestart.insert(upperCase(path));
    log.push_back("at restart " + upperCase(path));
    return true;
}

void FakeView::showCopy(const std::string& source, const std::string& destination, int position) {
    log.push_back("copy " + std::to_string(position) + " " + source + " -> " + destination);
}

bool FakeChannel::initialize() {
    calls.push_back("initialize");
    return initializes;
}

bool FakeChannel::connect() {
    calls.push_back("connect");
    return answers;
}

void FakeChannel::execute(const std::string& command) {
    calls.push_back("execute");
    commands.push_back(command);
}

bool FakeUninstallUi::confirmRemoval(const std::string& text) {
    asked.push_back(text);
    return confirm;
}

bool FakeUninstallUi::askKeepData(const std::string& text) {
    asked.push_back(text);
    return keep;
}
