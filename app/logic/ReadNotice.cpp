// The tray icon's word after a read, and the record shape of each shell.
#include "app/logic/ReadNotice.h"

namespace {
constexpr char kEllipsis[] = "...";
constexpr std::size_t kEllipsisBytes = sizeof kEllipsis - 1;
} // namespace

TrayRecordShape trayRecordFor(unsigned shellMajorVersion) {
    if (shellMajorVersion >= 6)
        return {3, 128, true};
    if (shellMajorVersion == 5)
        return {2, 128, true};
    return {1, 64, false};
}

std::string readNotice(const std::string& pattern, const std::string& title,
                       const std::string& untitled, std::size_t limit) {
    const std::size_t slot = pattern.find("%s");
    if (slot == std::string::npos || limit == 0)
        return pattern.substr(0, limit ? limit - 1 : 0);
    std::string name = title.empty() ? untitled : title;
    const std::size_t fixed = pattern.size() - 2;
    const std::size_t room = limit - 1 > fixed ? limit - 1 - fixed : 0;
    if (name.size() > room) {
        // The advice after the title matters more than the title's end.
        name.resize(room > kEllipsisBytes ? room - kEllipsisBytes : 0);
        name += std::string(kEllipsis, room > kEllipsisBytes ? kEllipsisBytes : room);
    }
    std::string text = pattern.substr(0, slot) + name + pattern.substr(slot + 2);
    if (text.size() > limit - 1)
        text.resize(limit - 1);
    return text;
}
