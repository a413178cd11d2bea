#pragma once
// Key/value settings store over a small text file of "key=value" lines (the
// name has nothing to do with the operating system's registry). Keys match
// ignoring ASCII case; the first matching entry wins; new keys are appended,
// so a file keeps its order when rewritten. A store that was loaded is
// written back when it is closed or goes away.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/String.h"

class Registry {
public:
    Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    virtual ~Registry();

    // Closes the entries already held (saving them to their file), then reads
    // `path`. A missing file gives an empty store.
    void Load(const String& path);
    // Reads `path` like Load but never writes it back (Save and Close leave
    // the file alone): for stores that others own.
    void LoadReadOnly(const String& path);
    // Writes every entry to the loaded path through a temporary file renamed
    // over it; answers false when the file cannot be written.
    bool Save() const;
    // Save, then forget the path and every entry.
    void Close();

    // Reads "key=value" lines from `text` into the store (the file reader).
    // A line ends at CR or LF; blank lines and lines without "=" are skipped.
    void ReadText(std::string_view text);
    // The file text: one "key=value" line per entry, each ended by CR LF.
    String WriteText() const;

    bool Has(const String& key) const;

    void SetString(const String& key, const String& text);
    void SetInt(const String& key, int32_t value);
    void SetBool(const String& key, bool value);
    void SetFloat(const String& key, float value);
    void SetBytes(const String& key, const int8_t* bytes, int32_t count);

    String GetString(const String& key) const;  // "" when missing
    int32_t GetInt(const String& key) const;    // leading decimal part; 0 when missing or not a number
    // "true", "yes", "on", "1" (any case) are true; "random" is a coin flip of
    // the program's generator; anything else and missing are false.
    bool GetBool(const String& key) const;
    float GetFloat(const String& key) const;
    // Up to `count` comma-separated integers; answers how many were read.
    int32_t GetBytes(const String& key, int8_t* out, int32_t count) const;

    const String& Path() const { return mPath; }
    int32_t EntryCount() const { return static_cast<int32_t>(mEntries.size()); }

private:
    struct Entry {
        String key;
        String value;
    };

    int32_t Find(const String& key) const;  // index of the first match, -1 when absent

    std::vector<Entry> mEntries;
    String mPath;
};
