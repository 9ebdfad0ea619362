// The Program Manager DDE client (see ProgmanClient.h).
#include "installer/win32/ProgmanClient.h"

#include <cstring>

namespace {

// The DDE callback gets no context; a process holds one client at a time.
ProgmanClient* current = nullptr;

const char kProgman[] = "PROGMAN";
const DWORD kTimeoutMs = 1000;

} // namespace

ProgmanClient::~ProgmanClient() {
    disconnect();
    uninitialize();
}

bool ProgmanClient::initialize() {
    if (DdeInitializeA(&instance_, &ProgmanClient::callback, APPCMD_CLIENTONLY, 0) !=
        DMLERR_NO_ERROR) {
        instance_ = 0;
        return false;
    }
    current = this;
    service_ = DdeCreateStringHandleA(instance_, kProgman, CP_WINANSI);
    topic_ = DdeCreateStringHandleA(instance_, kProgman, CP_WINANSI);
    return true;
}

bool ProgmanClient::connect() {
    conversation_ = DdeConnect(instance_, service_, topic_, nullptr);
    return conversation_ != nullptr;
}

void ProgmanClient::execute(const std::string& command) {
    if (command.size() >= sizeof buffer_)
        return;
    std::memcpy(buffer_, command.c_str(), command.size() + 1);
    HDDEDATA data = DdeCreateDataHandle(instance_, reinterpret_cast<LPBYTE>(buffer_),
                                        sizeof buffer_, 0, nullptr, CF_TEXT, 0);
    if (data == nullptr)
        return;
    // Length -1: the data handle is handed to the library, which frees it.
    DdeClientTransaction(reinterpret_cast<LPBYTE>(data), static_cast<DWORD>(-1), conversation_,
                         nullptr, CF_TEXT, XTYP_EXECUTE, kTimeoutMs, nullptr);
}

void ProgmanClient::disconnect() {
    if (conversation_ == nullptr)
        return;
    DdeDisconnect(conversation_);
    conversation_ = nullptr;
}

void ProgmanClient::uninitialize() {
    if (instance_ == 0)
        return;
    DdeUninitialize(instance_);
    instance_ = 0;
    service_ = topic_ = nullptr;
    if (current == this)
        current = nullptr;
}

HDDEDATA CALLBACK ProgmanClient::callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR,
                                          ULONG_PTR) {
    if (type == XTYP_DISCONNECT && current)
        current->conversation_ = nullptr;
    return nullptr;
}
