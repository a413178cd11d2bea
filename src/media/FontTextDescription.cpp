#include "media/FontTextDescription.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "core/IOBuffer.h"
#include "media/Font.h"
#include "media/Image.h"
#include "platform/ResourcePaths.h"

namespace {
// List items a description may hold (the printable characters fit many times).
constexpr size_t kMaxItems = 1024;

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The comma-separated items between the outermost parentheses; commas inside
// quotes or inner parentheses do not split.
std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    size_t open = text.find('(');
    size_t close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close <= open) return items;
    std::string item;
    int depth = 0;
    char quote = 0;
    for (size_t i = open + 1; i < close && items.size() < kMaxItems; ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth <= 0) {
            items.push_back(Trim(item));
            item.clear();
            continue;
        }
        item += c;
    }
    items.push_back(Trim(item));
    return items;
}

// The character of a CharList item: a quoted character or the first byte.
int32_t CharacterOf(const std::string& item) {
    if (item.size() >= 3 && (item[0] == '"' || item[0] == '\'') && item.back() == item[0])
        return static_cast<uint8_t>(item[1]);
    return item.empty() ? -1 : static_cast<uint8_t>(item[0]);
}

// Up to `count` numbers from an item like "(0 0 11 14)"; missing ones are 0.
std::vector<float> Numbers(const std::string& item, size_t count) {
    std::vector<float> numbers(count, 0);
    size_t found = 0;
    const char* at = item.c_str();
    while (*at && found < count) {
        char* end = nullptr;
        float value = std::strtof(at, &end);
        if (end == at) {
            ++at;
            continue;
        }
        numbers[found++] = value;
        at = end;
    }
    return numbers;
}

std::string Unquoted(const std::string& text) {
    std::string trimmed = Trim(text);
    if (trimmed.size() >= 2 && (trimmed[0] == '"' || trimmed[0] == '\'') && trimmed.back() == trimmed[0])
        return trimmed.substr(1, trimmed.size() - 2);
    return trimmed;
}

struct Lists {
    std::vector<std::string> chars, widths, rects, offsets;
    int32_t page = -1;
    int32_t added = 0;
};

void AddListedGlyphs(Lists& lists, Font& font) {
    for (size_t i = 0; i < lists.chars.size(); ++i) {
        int32_t ch = CharacterOf(lists.chars[i]);
        if (ch < 0) continue;
        float advance = i < lists.widths.size() ? Numbers(lists.widths[i], 1)[0] : 0;
        std::vector<float> rect = i < lists.rects.size() ? Numbers(lists.rects[i], 4) : std::vector<float>(4, 0);
        std::vector<float> offset = i < lists.offsets.size() ? Numbers(lists.offsets[i], 2) : std::vector<float>(2, 0);
        font.AddGlyph(static_cast<uint8_t>(ch), lists.page, Rect{rect[0], rect[1], rect[2], rect[3]}, advance,
                      offset[0], offset[1]);
        ++lists.added;
    }
}
}  // namespace

bool FontTextDescription::Load(const String& folder, Font& font) {
    IOBuffer file;
    String path = ResourcePaths::Find(folder + ".txt");
    if (path.IsEmpty() || !file.LoadFile(path)) return false;
    return Parse(String(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.Size())), folder, font);
}

bool FontTextDescription::Parse(const String& text, const String& folder, Font& font) {
    Lists lists;
    std::string parent = folder.str();
    size_t slash = parent.find_last_of("\\/");
    parent = slash == std::string::npos ? std::string() : parent.substr(0, slash + 1);
    size_t start = 0;
    const std::string& all = text.str();
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        std::string line = Trim(all.substr(start, end - start));
        start = end + 1;
        size_t space = line.find(' ');
        std::string command = line.substr(0, space);
        std::string rest = space == std::string::npos ? std::string() : Trim(line.substr(space + 1));
        if (command == "Define") {
            std::string name = rest.substr(0, rest.find_first_of(" ("));
            std::vector<std::string>* list = name == "CharList"     ? &lists.chars
                                             : name == "WidthList"  ? &lists.widths
                                             : name == "RectList"   ? &lists.rects
                                             : name == "OffsetList" ? &lists.offsets
                                                                    : nullptr;
            if (list) *list = Items(rest);
        } else if (command == "LayerSetImage") {
            Image page;
            page.Load(String(parent + Unquoted(rest)));
            lists.page = font.AddPage(std::move(page));
        } else if (command == "LayerSetCharWidths") {
            AddListedGlyphs(lists, font);
        }
    }
    if (lists.added == 0) return false;
    font.MarkLoaded();
    return true;
}
