// Reading the path strings of the drawing program's export: a header ending at
// a "Note" line, then one segment end per line ("x y m", "x1 y1 x y v",
// "x1 y1 x y y", "x1 y1 x2 y2 x y c"), with the program's upward y.
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/String.h"
#include "track/QuickSpline.h"

namespace {
// Box height used to flip y when the header names none.
constexpr float kDefaultBoxHeight = 600.0f;
// A path line holds at most three points; a longer line (two segments run
// together without a separator) keeps only its first segment.
constexpr int32_t kMaxLineNumbers = 6;
// Index of the box height among the numbers of a "BoundingBox" line.
constexpr int32_t kBoxHeightIndex = 3;

bool IsBlank(char c) { return static_cast<unsigned char>(c) < '!'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool StartsLikeNumber(char c) { return IsDigit(c) || c == '.' || c == '-' || c == '+'; }

// The next line of the text: separators and blanks before it are skipped; it
// ends at ';', CR or the end. Empty when the text is used up.
std::string_view NextLine(const char*& p) {
    while (*p != '\0' && (IsBlank(*p) || *p == ';')) ++p;
    const char* begin = p;
    while (*p != '\0' && *p != ';' && *p != '\r') ++p;
    return {begin, static_cast<size_t>(p - begin)};
}

// The valid leading decimal number of a token (sign, digits, fraction,
// exponent); 0 when there is none or it does not fit a float.
float ReadDecimal(std::string_view token) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    const size_t start = i;
    size_t digits = 0;
    while (i < token.size() && IsDigit(token[i])) ++i, ++digits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        while (i < token.size() && IsDigit(token[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0f;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        size_t j = i + 1;
        if (j < token.size() && (token[j] == '+' || token[j] == '-')) ++j;
        if (j < token.size() && IsDigit(token[j])) {
            while (j < token.size() && IsDigit(token[j])) ++j;
            i = j;
        }
    }
    float value = 0.0f;
    auto result = std::from_chars(token.data() + start, token.data() + i, value);
    if (result.ec != std::errc()) return 0.0f;
    return negative ? -value : value;
}

// Reads up to `max` blank-separated numbers; stops at a token that does not
// start like a number. Answers the count; `stop` is where reading ended.
int32_t ReadNumbers(std::string_view line, float* numbers, int32_t max, size_t& stop) {
    int32_t count = 0;
    size_t i = 0;
    while (count < max) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size() || !StartsLikeNumber(line[i])) break;
        size_t end = i;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        numbers[count++] = ReadDecimal(line.substr(i, end - i));
        i = end;
    }
    stop = i;
    return count;
}

// Case-insensitive match of `text` against the start of `word`, over the
// text's own length (so an empty text matches).
bool MatchesWordStart(std::string_view text, std::string_view word) {
    if (text.size() > word.size()) return false;
    return EqualsIgnoreCase(text, word.substr(0, text.size()));
}

struct PathLine {
    int32_t count = 0;
    float numbers[kMaxLineNumbers] = {};
    char op = 0;
};

// Reads the header; answers false when no "Note" line ends it.
bool ReadHeader(const char*& p, float& boxHeight) {
    while (*p != '\0') {
        std::string_view line = NextLine(p);
        if (line.empty()) break;
        while (!line.empty() && line.front() == '%') line.remove_prefix(1);
        size_t colon = line.find(':');
        std::string_view key = line.substr(0, colon);
        if (MatchesWordStart(key, "BoundingBox")) {
            std::string_view rest = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
            float numbers[kBoxHeightIndex + 1] = {};
            size_t stop = 0;
            ReadNumbers(rest, numbers, kBoxHeightIndex + 1, stop);
            // Only the height matters (for the y flip); a zero reads as absent.
            boxHeight = numbers[kBoxHeightIndex] != 0.0f ? numbers[kBoxHeightIndex] : kDefaultBoxHeight;
        }
        if (MatchesWordStart(line.substr(0, 4), "Note")) return true;
    }
    return false;
}

// Reads path lines up to the first one with a count other than 2, 4 or 6.
std::vector<PathLine> ReadPathLines(const char*& p) {
    std::vector<PathLine> lines;
    while (*p != '\0') {
        std::string_view text = NextLine(p);
        if (text.empty()) break;
        PathLine line;
        size_t stop = 0;
        line.count = ReadNumbers(text, line.numbers, kMaxLineNumbers, stop);
        if (line.count != 2 && line.count != 4 && line.count != 6) break;
        for (size_t i = text.size(); i > stop; --i) {
            if (IsLetter(text[i - 1])) {
                line.op = text[i - 1];
                break;
            }
        }
        lines.push_back(line);
    }
    return lines;
}
}  // namespace

void QuickSpline::Parse(const char* text) {
    if (text == nullptr || *text == '\0') return;
    const char* p = text;
    float boxHeight = kDefaultBoxHeight;
    if (!ReadHeader(p, boxHeight)) return;
    std::vector<PathLine> lines = ReadPathLines(p);
    if (lines.empty()) return;

    Clear();
    Reserve(static_cast<int32_t>(lines.size()));
    auto point = [&](const PathLine& line, int32_t first) {
        return Vec2{line.numbers[first], boxHeight - line.numbers[first + 1]};
    };
    for (const PathLine& line : lines) {
        Vec2 end = point(line, line.count - 2);
        AddPoint(end.x, end.y);
    }
    mSegmentCount = mKnotCount - 1;
    mCoefs.assign(static_cast<size_t>(mSegmentCount) * 6, 0.0f);
    for (int32_t i = 0; i < mSegmentCount; ++i) {
        const PathLine& line = lines[i + 1];
        const Vec2 p0 = Knot(i);
        const Vec2 p3 = Knot(i + 1);
        float* cx = &CoefX(i, 0);
        float* cy = &CoefY(i, 0);
        if (line.count == 2) {
            cx[0] = p3.x - p0.x;
            cy[0] = p3.y - p0.y;
            continue;
        }
        Vec2 p1, p2;
        if (line.count == 6) {
            p1 = point(line, 0);
            p2 = point(line, 2);
        } else if (line.op == 'v' || line.op == 'V') {
            p1 = p0;
            p2 = point(line, 0);
        } else {
            p1 = point(line, 0);
            p2 = p3;
        }
        cx[0] = 3.0f * (p1.x - p0.x);
        cx[1] = 3.0f * (p2.x - p1.x) - cx[0];
        cx[2] = p3.x - p0.x - cx[1] - cx[0];
        cy[0] = 3.0f * (p1.y - p0.y);
        cy[1] = 3.0f * (p2.y - p1.y) - cy[0];
        cy[2] = p3.y - p0.y - cy[1] - cy[0];
    }
    mDirty = false;
}
