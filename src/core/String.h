#pragma once
// Byte text. Comparisons ignore ASCII letter case unless the string is marked
// case-sensitive; copies are cheap (the text is shared until one side changes).

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class String {
public:
    String() = default;
    String(const char* text);  // null reads as ""
    String(const char* text, size_t length);
    String(std::string text);
    String(std::string_view text);

    // printf-style; output longer than 64 KiB is cut there.
    static String Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static String FormatList(const char* format, va_list args);

    const char* c_str() const { return mText.c_str(); }
    const std::string& str() const { return mText; }
    std::string_view view() const { return mText; }
    int32_t Length() const { return static_cast<int32_t>(mText.size()); }
    bool IsEmpty() const { return mText.empty(); }
    char operator[](int32_t index) const { return mText[static_cast<size_t>(index)]; }

    void SetCaseSensitive(bool on) { mCaseSensitive = on; }
    bool IsCaseSensitive() const { return mCaseSensitive; }

    // Equality honours case sensitivity if either side asks for it.
    bool operator==(const String& other) const;
    bool operator==(const char* other) const { return *this == String(other); }
    bool EqualsIgnoreCase(std::string_view other) const;
    bool operator<(const String& other) const;  // ordering ignores case

    String& operator+=(const String& other);
    String& operator+=(char c);
    String operator+(const String& other) const;

    String Lower() const;
    String Upper() const;
    String Trimmed() const;  // without leading and trailing bytes <= ' '
    String Substring(int32_t start, int32_t count = -1) const;
    int32_t Find(std::string_view needle, int32_t from = 0) const;  // -1: absent; ignores case
    int32_t FindChar(char c, int32_t from = 0) const;                // exact byte
    bool Contains(std::string_view needle) const { return Find(needle) >= 0; }
    bool StartsWith(std::string_view prefix) const;  // ignores case

    // "true", "yes", "on" and "1" in any case are true; anything else false.
    bool ToBool() const;
    // Leading decimal part; 0 when there is none.
    int32_t ToInt() const;
    float ToFloat() const;

private:
    std::string mText;
    bool mCaseSensitive = false;
};

// ASCII helpers shared by every name comparison in the program.
char AsciiLower(char c);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
