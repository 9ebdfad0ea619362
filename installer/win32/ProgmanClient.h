// ProgmanClient: the DDE conversation with the shell's Program Manager
// ("PROGMAN") through the DDE management library.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/ProgmanCommands.h"

#include <windows.h>
// ddeml.h needs windows.h first.
#include <ddeml.h>

class ProgmanClient : public DdeChannel {
public:
    ProgmanClient() = default;
    ProgmanClient(const ProgmanClient&) = delete;
    ProgmanClient& operator=(const ProgmanClient&) = delete;
    // Ends what the caller left open.
    ~ProgmanClient() override;

    bool initialize() override;
    bool connect() override;
    // Sends the command as one 128-byte block with a 1000 ms time-out; the
    // answer is not looked at. A command that does not fit is not sent.
    void execute(const std::string& command) override;
    void disconnect() override;
    void uninitialize() override;

private:
    // Clears the conversation when the shell ends it.
    static HDDEDATA CALLBACK callback(UINT type, UINT format, HCONV conversation, HSZ, HSZ,
                                      HDDEDATA, ULONG_PTR, ULONG_PTR);

    DWORD instance_ = 0;
    HSZ service_ = nullptr;
    HSZ topic_ = nullptr;
    HCONV conversation_ = nullptr;
    char buffer_[kCommandBufferSize] = {};
};
