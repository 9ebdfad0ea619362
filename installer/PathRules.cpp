// Path rules of the installer (see PathRules.h).
#include "installer/PathRules.h"

std::string stripTrailingBackslash(std::string path) {
    if (path.size() >= 2 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\')
        return folder + name;
    return folder + '\\' + name;
}

std::string upperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string folderOf(const std::string& fullPath) {
    const std::size_t slash = fullPath.rfind('\\');
    return slash == std::string::npos ? std::string() : fullPath.substr(0, slash);
}

std::string fileNameOf(const std::string& fullPath) {
    const std::size_t slash = fullPath.rfind('\\');
    return slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
}
