// The probe's wire format: tab-separated request fields in, one JSON object out.
#pragma once

#include "ProbeWindows.h"

#include <stdexcept>
#include <string>
#include <vector>

// A command that cannot be carried out; the loop answers {"ok":false,"error":...}.
struct ProbeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The fields of one request line after the command name, unescaped (\t \n \r \\).
class Args {
public:
    explicit Args(const std::string& line);

    const std::string& command() const { return command_; }
    size_t size() const { return fields_.size(); }
    const std::string& text(size_t i) const;
    long long number(size_t i) const;
    long long numberOr(size_t i, long long fallback) const;
    HWND window(size_t i) const;
    HWND existingWindow(size_t i) const;

private:
    std::string command_;
    std::vector<std::string> fields_;
};

// Builds one JSON object; values are added by kind so that no overload guesses.
class JsonObject {
public:
    JsonObject& addInt(const char* key, long long value);
    JsonObject& addBool(const char* key, bool value);
    JsonObject& addText(const char* key, const std::string& utf8);
    JsonObject& addRaw(const char* key, const std::string& json);
    JsonObject& addWindow(const char* key, HWND window);
    std::string str() const { return "{" + body_ + "}"; }

private:
    void addKey(const char* key);
    std::string body_;
};

std::string jsonText(const std::string& utf8);
std::string jsonArray(const std::vector<std::string>& rawItems);
std::string jsonRect(const RECT& rect);

// Texts cross the wire as UTF-8; Windows calls here take UTF-16.
std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);
std::string hexBytes(const void* data, size_t size);
std::vector<unsigned char> bytesFromHex(const std::string& hex);
