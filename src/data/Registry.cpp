#include "data/Registry.h"

#include <cstdlib>

#include "core/IOBuffer.h"
#include "core/Random.h"

namespace {
// A "random" setting draws from a generator of its own: reading settings must
// not move the game's sequence, which a seed and recorded input replay.
Random& SettingsRandom() {
    static Random random;
    return random;
}
}  // namespace

Registry::~Registry() { Close(); }

void Registry::Load(const String& path) {
    LoadReadOnly(path);
    mPath = path;
}

void Registry::LoadReadOnly(const String& path) {
    if (!mEntries.empty()) Close();
    mPath = String();
    IOBuffer file;
    file.LoadFile(path);
    ReadText(std::string_view(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.Size())));
}

void Registry::ReadText(std::string_view text) {
    // Hand-edited files often have LF-only line ends and stray blank lines:
    // both are read line by line rather than losing the entries after them.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        mEntries.push_back({String(line.substr(0, equals)), String(line.substr(equals + 1))});
    }
}

String Registry::WriteText() const {
    std::string text;
    for (const Entry& entry : mEntries) {
        text += entry.key.str();
        text += '=';
        text += entry.value.str();
        text += "\r\n";
    }
    return String(std::move(text));
}

bool Registry::Save() const {
    if (mPath.IsEmpty()) return false;
    String text = WriteText();
    return WriteFileAtomically(mPath, text.c_str(), static_cast<size_t>(text.Length()));
}

void Registry::Close() {
    Save();
    mPath = String();
    mEntries.clear();
}

int32_t Registry::Find(const String& key) const {
    for (size_t i = 0; i < mEntries.size(); ++i) {
        if (mEntries[i].key.EqualsIgnoreCase(key.view())) return static_cast<int32_t>(i);
    }
    return -1;
}

bool Registry::Has(const String& key) const { return Find(key) >= 0; }

void Registry::SetString(const String& key, const String& text) {
    int32_t found = Find(key);
    if (found >= 0) {
        mEntries[static_cast<size_t>(found)].value = text;
    } else {
        mEntries.push_back({key, text});
    }
}

void Registry::SetInt(const String& key, int32_t value) { SetString(key, String::Format("%d", value)); }

void Registry::SetBool(const String& key, bool value) { SetString(key, value ? "true" : "false"); }

void Registry::SetFloat(const String& key, float value) {
    SetString(key, String::Format("%f", static_cast<double>(value)));
}

void Registry::SetBytes(const String& key, const int8_t* bytes, int32_t count) {
    String text;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0) text += ',';
        text += String::Format("%d", bytes[i]);
    }
    SetString(key, text);
}

String Registry::GetString(const String& key) const {
    int32_t found = Find(key);
    return found >= 0 ? mEntries[static_cast<size_t>(found)].value : String();
}

int32_t Registry::GetInt(const String& key) const { return GetString(key).ToInt(); }

bool Registry::GetBool(const String& key) const {
    String value = GetString(key);
    if (value.EqualsIgnoreCase("random")) return SettingsRandom().Raw() % 2 == 0;
    return value.ToBool();
}

float Registry::GetFloat(const String& key) const { return GetString(key).ToFloat(); }

int32_t Registry::GetBytes(const String& key, int8_t* out, int32_t count) const {
    String value = GetString(key);
    std::string_view text = value.view();
    int32_t read = 0;
    size_t start = 0;
    while (read < count && start <= text.size() && !text.empty()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        out[read++] = static_cast<int8_t>(String(text.substr(start, comma - start)).ToInt());
        start = comma + 1;
    }
    return read;
}
