#include "core/String.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr size_t kMaxFormattedBytes = 64 * 1024;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

static char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

String::String(const char* text) : mText(text ? text : "") {}
String::String(const char* text, size_t length) : mText(text ? std::string(text, length) : std::string()) {}
String::String(std::string text) : mText(std::move(text)) {}
String::String(std::string_view text) : mText(text) {}

String String::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    String result = FormatList(format, args);
    va_end(args);
    return result;
}

String String::FormatList(const char* format, va_list args) {
    if (!format) return String();
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int needed = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) return String();
    if (static_cast<size_t>(needed) < sizeof small) return String(small, static_cast<size_t>(needed));
    size_t length = std::min(static_cast<size_t>(needed), kMaxFormattedBytes);
    std::vector<char> big(length + 1);
    vsnprintf(big.data(), big.size(), format, args);
    return String(big.data(), length);
}

bool String::operator==(const String& other) const {
    if (mCaseSensitive || other.mCaseSensitive) return mText == other.mText;
    return ::EqualsIgnoreCase(mText, other.mText);
}

bool String::EqualsIgnoreCase(std::string_view other) const { return ::EqualsIgnoreCase(mText, other); }

bool String::operator<(const String& other) const {
    return std::lexicographical_compare(mText.begin(), mText.end(), other.mText.begin(), other.mText.end(),
                                        [](char a, char b) { return AsciiLower(a) < AsciiLower(b); });
}

String& String::operator+=(const String& other) {
    mText += other.mText;
    return *this;
}

String& String::operator+=(char c) {
    mText += c;
    return *this;
}

String String::operator+(const String& other) const {
    String result(*this);
    result += other;
    return result;
}

String String::Lower() const {
    String result(*this);
    for (char& c : result.mText) c = AsciiLower(c);
    return result;
}

String String::Upper() const {
    String result(*this);
    for (char& c : result.mText) c = AsciiUpper(c);
    return result;
}

String String::Trimmed() const {
    size_t begin = 0;
    size_t end = mText.size();
    while (begin < end && static_cast<unsigned char>(mText[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(mText[end - 1]) <= ' ') --end;
    return String(mText.substr(begin, end - begin));
}

String String::Substring(int32_t start, int32_t count) const {
    if (start < 0) start = 0;
    if (start >= Length()) return String();
    size_t n = count < 0 ? std::string::npos : static_cast<size_t>(count);
    return String(mText.substr(static_cast<size_t>(start), n));
}

int32_t String::Find(std::string_view needle, int32_t from) const {
    if (from < 0) from = 0;
    if (needle.empty()) return from <= Length() ? from : -1;
    if (needle.size() > mText.size()) return -1;
    for (size_t i = static_cast<size_t>(from); i + needle.size() <= mText.size(); ++i) {
        if (::EqualsIgnoreCase(std::string_view(mText).substr(i, needle.size()), needle)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t String::FindChar(char c, int32_t from) const {
    if (from < 0) from = 0;
    size_t at = mText.find(c, static_cast<size_t>(from));
    return at == std::string::npos ? -1 : static_cast<int32_t>(at);
}

bool String::StartsWith(std::string_view prefix) const {
    return prefix.size() <= mText.size() && ::EqualsIgnoreCase(std::string_view(mText).substr(0, prefix.size()), prefix);
}

bool String::ToBool() const {
    return EqualsIgnoreCase("true") || EqualsIgnoreCase("yes") || EqualsIgnoreCase("on") || mText == "1";
}

int32_t String::ToInt() const {
    long long value = std::strtoll(mText.c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

float String::ToFloat() const { return std::strtof(mText.c_str(), nullptr); }
