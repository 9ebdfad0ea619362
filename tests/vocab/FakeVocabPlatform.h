// FakeVocabPlatform: a VocabPlatform for tests that records what the model
// asked of the window system, installed for the lifetime of the object.
#pragma once

#include "MemoryFileSystem.h"
#include "vocab/VocabPlatform.h"

#include <map>
#include <string>
#include <vector>

class FakeVocabPlatform : public VocabPlatform {
public:
    FakeVocabPlatform() { setVocabPlatform(this); }
    ~FakeVocabPlatform() override { setVocabPlatform(nullptr); }
    FakeVocabPlatform(const FakeVocabPlatform&) = delete;
    FakeVocabPlatform& operator=(const FakeVocabPlatform&) = delete;

    IconHandle shellIcon(const std::string& path) override {
        iconCalls.push_back("shell " + path);
        return &shellIconHandle;
    }
    IconHandle extractIcon(const std::string& file, int index) override {
        iconCalls.push_back("extract " + file + " " + std::to_string(index));
        return &extractedIconHandle;
    }
    std::string windowTitle(WindowHandle window) override {
        ++titleReads;
        return titles[window];
    }
    void reportError(const char* text) override { errors.push_back(text); }
    FileSystem& files() override { return *fileSystem; }

    MemoryFileSystem memoryFiles;
    FileSystem* fileSystem = &memoryFiles;
    std::vector<std::string> iconCalls;
    std::map<WindowHandle, std::string> titles;
    int titleReads = 0;
    std::vector<std::string> errors;
    int shellIconHandle = 0;
    int extractedIconHandle = 0;
};
