// An in-memory clipboard for the capture and keeper tests.
#pragma once

#include "clipboard/ClipboardAccess.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class FakeClipboard : public ClipboardAccess {
public:
    static constexpr uint32_t kText = 1;
    static constexpr uint32_t kBitmap = 2;
    static constexpr uint32_t kDib = 8;
    static constexpr uint32_t kUnicodeText = 13;
    static constexpr uint32_t kEnhancedMetafile = 14;
    static constexpr uint32_t kDibV5 = 17;
    // The processes that own the clipboard's content after their copies.
    static constexpr uint32_t kThisProgram = 11;
    static constexpr uint32_t kDocumentProgram = 22;
    static constexpr uint32_t kOtherProgram = 33;

    bool open() override {
        if (refuseOpen || isOpen)
            return false;
        isOpen = true;
        return true;
    }
    void close() override { isOpen = false; }
    std::vector<uint32_t> formats() override;
    bool read(uint32_t format, std::string& bytes) override;
    void empty() override;
    void write(uint32_t format, const std::string& bytes) override;
    uint32_t registerFormat(const char* name) override;
    int countFormats() override { return static_cast<int>(data.size()); }
    ClipboardIdentity identity() override { return {numbered, numbered ? sequence : 0, owner}; }
    uint32_t ownerProcess() override { return owner; }

    // Another program's copy: replaces the content, needs no open.
    void put(std::vector<std::pair<uint32_t, std::string>> content,
             uint32_t byProcess = kOtherProgram);
    std::string text() const;
    uint32_t registered(const std::string& name) const;

    std::vector<std::pair<uint32_t, std::string>> data;
    std::map<std::string, uint32_t> names;
    unsigned sequence = 1;
    // False for a system without sequence numbers (Windows 95, NT 4).
    bool numbered = true;
    bool isOpen = false;
    bool refuseOpen = false;
    int empties = 0;
    // Emptied by this program (through the keeper) or copied by another.
    uint32_t owner = 0;
    // Formats listed whose data cannot be had (a conversion that fails).
    std::vector<uint32_t> unreadable;
};
