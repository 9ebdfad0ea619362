// Parsing of request lines and writing of JSON answers.
#include "Protocol.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c != '\\' || i + 1 == field.size()) {
            out += c;
            continue;
        }
        char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

} // namespace

Args::Args(const std::string& line) {
    size_t start = 0;
    std::vector<std::string> all;
    for (;;) {
        size_t tab = line.find('\t', start);
        all.push_back(unescape(line.substr(start, tab - start)));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    command_ = all.front();
    fields_.assign(all.begin() + 1, all.end());
}

const std::string& Args::text(size_t i) const {
    if (i >= fields_.size())
        throw ProbeError("missing argument " + std::to_string(i + 1));
    return fields_[i];
}

long long Args::number(size_t i) const {
    const std::string& field = text(i);
    char* end = nullptr;
    long long value = std::strtoll(field.c_str(), &end, 0);
    if (field.empty() || *end != '\0')
        throw ProbeError("not a number: " + field);
    return value;
}

long long Args::numberOr(size_t i, long long fallback) const {
    return i < fields_.size() ? number(i) : fallback;
}

HWND Args::window(size_t i) const {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(number(i)));
}

HWND Args::existingWindow(size_t i) const {
    HWND window = this->window(i);
    if (!IsWindow(window))
        throw ProbeError("no such window: " + text(i));
    return window;
}

void JsonObject::addKey(const char* key) {
    if (!body_.empty())
        body_ += ',';
    body_ += jsonText(key) + ':';
}

JsonObject& JsonObject::addInt(const char* key, long long value) {
    addKey(key);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::addBool(const char* key, bool value) {
    addKey(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::addText(const char* key, const std::string& utf8) {
    addKey(key);
    body_ += jsonText(utf8);
    return *this;
}

JsonObject& JsonObject::addRaw(const char* key, const std::string& json) {
    addKey(key);
    body_ += json;
    return *this;
}

JsonObject& JsonObject::addWindow(const char* key, HWND window) {
    return addInt(key, static_cast<long long>(reinterpret_cast<uintptr_t>(window)));
}

std::string jsonText(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string jsonArray(const std::vector<std::string>& rawItems) {
    std::string out = "[";
    for (size_t i = 0; i < rawItems.size(); ++i)
        out += (i ? "," : "") + rawItems[i];
    return out + "]";
}

std::string jsonRect(const RECT& rect) {
    return jsonArray({std::to_string(rect.left), std::to_string(rect.top),
                      std::to_string(rect.right), std::to_string(rect.bottom)});
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size,
                        nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty())
        return std::wstring();
    int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size);
    return out;
}

std::string hexBytes(const void* data, size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

std::vector<unsigned char> bytesFromHex(const std::string& hex) {
    if (hex.size() % 2)
        throw ProbeError("odd number of hex digits");
    std::vector<unsigned char> out;
    for (size_t i = 0; i < hex.size(); i += 2)
        out.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return out;
}
