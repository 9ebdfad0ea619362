// Recording fakes of the installer's platform layer for the native tests.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/Uninstallation.h"

#include <set>
#include <string>
#include <vector>

// A file system that ignores letter case, as Windows does, holding its paths
// in upper case; records every change it is asked for.
class FakeFiles : public InstallFiles {
public:
    std::set<std::string> files;
    std::set<std::string> folders;
    std::set<std::string> unwritable; // paths whose copy or deletion fails
    std::vector<std::string> log;

    bool setCurrentDirectory(const std::string& folder) override;
    bool createDirectory(const std::string& folder) override;
    bool copyFile(const std::string& source, const std::string& destination,
                  bool failIfExists) override;
    bool fileExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& folder) override;
    bool removeAtRestart(const std::string& path) override;

    std::string current;
    std::set<std::string> atRestart;
};

// Records what the "Progress" window is told, one line per call.
class FakeView : public ProgressView {
public:
    std::vector<std::string> log;

    void showCopy(const std::string& source, const std::string& destination, int position) override;
    void setWaitCursor(bool wait) override { log.push_back(wait ? "wait" : "arrow"); }
    void showStatus(const char* text) override { log.push_back(std::string("status ") + text); }
    void repaint() override { log.push_back("repaint"); }
    void reportError(const std::string& text) override { log.push_back("error " + text); }
};

// Records the conversation; `initializes` and `answers` choose the outcome.
class FakeChannel : public DdeChannel {
public:
    bool initializes = true;
    bool answers = true;
    std::vector<std::string> calls;
    std::vector<std::string> commands;

    bool initialize() override;
    bool connect() override;
    void execute(const std::string& command) override;
    void disconnect() override { calls.push_back("disconnect"); }
    void uninitialize() override { calls.push_back("uninitialize"); }
};

class FakeUninstallUi : public UninstallUi {
public:
    bool confirm = true;
    bool keep = true;
    std::vector<std::string> asked;
    std::string reported;
    std::string refused;

    bool confirmRemoval(const std::string& text) override;
    bool askKeepData(const std::string& text) override;
    void report(const std::string& text) override { reported = text; }
    void refuse(const std::string& text) override { refused = text; }
};
