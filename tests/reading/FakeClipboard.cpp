// The in-memory clipboard of the reading tests.
#include "FakeClipboard.h"

#include <algorithm>

std::vector<uint32_t> FakeClipboard::formats() {
    std::vector<uint32_t> result;
    for (const auto& entry : data)
        result.push_back(entry.first);
    return result;
}

bool FakeClipboard::read(uint32_t format, std::string& bytes) {
    if (std::find(unreadable.begin(), unreadable.end(), format) != unreadable.end())
        return false;
    for (const auto& entry : data)
        if (entry.first == format) {
            bytes = entry.second;
            return true;
        }
    return false;
}

void FakeClipboard::empty() {
    data.clear();
    owner = kThisProgram;
    ++sequence;
    ++empties;
}

void FakeClipboard::write(uint32_t format, const std::string& bytes) {
    for (auto& entry : data)
        if (entry.first == format) {
            entry.second = bytes;
            ++sequence;
            return;
        }
    data.emplace_back(format, bytes);
    ++sequence;
}

uint32_t FakeClipboard::registerFormat(const char* name) {
    auto found = names.find(name);
    if (found != names.end())
        return found->second;
    uint32_t id = 0xC000 + static_cast<uint32_t>(names.size());
    names[name] = id;
    return id;
}

void FakeClipboard::put(std::vector<std::pair<uint32_t, std::string>> content, uint32_t byProcess) {
    data = std::move(content);
    owner = byProcess;
    ++sequence;
}

std::string FakeClipboard::text() const {
    for (const auto& entry : data)
        if (entry.first == kText)
            return entry.second;
    return {};
}

uint32_t FakeClipboard::registered(const std::string& name) const {
    auto found = names.find(name);
    return found == names.end() ? 0 : found->second;
}
