#include "data/XMLTreeParser.h"

#include "data/XMLDocument.h"

namespace {
// Bytes are signed in the reader's character classes: 0x80-0xFF count as
// white space like everything below "!".
bool IsSpace(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return byte < '!' || byte >= 0x80;
}

bool EndsTagName(char c) {
    return IsSpace(c) || c == '!' || c == '/' || c == '<' || c == '>' || c == '?' || c == '\\';
}

bool EndsAttributeName(char c) {
    return IsSpace(c) || c == '/' || c == '<' || c == '=' || c == '>' || c == '\\' || c == '"';
}

// A name stopping at ">" is an attribute without "=" (error 48), not a bad name.
bool IsBadAttributeStop(char c) { return c == '"' || c == '/' || c == '<' || c == '\\'; }

// Text value of an element: only bytes below "!" are trimmed, so text in UTF-8
// keeps its first and last letters.
String TrimmedValue(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) < '!') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) < '!') --end;
    return String(text.substr(begin, end - begin));
}
}  // namespace

int32_t XMLTreeParser::Run() {
    mWork.push_back({nullptr, 0, mText.size(), 0});
    while (!mWork.empty()) {
        Range range = mWork.back();
        mWork.pop_back();
        int32_t error = ScanRange(range);
        if (error != XMLDocument::kNoError) return error;
    }
    return XMLDocument::kNoError;
}

void XMLTreeParser::SkipSpace(size_t end, size_t& at) const {
    while (at < end && IsSpace(mText[at])) ++at;
}

int32_t XMLTreeParser::FindOpen(size_t end, size_t& at) const {
    while (at < end && mText[at] != '<') {
        if (mText[at] == '"') {
            size_t close = mText.find('"', at + 1);
            if (close == std::string_view::npos || close >= end) return XMLDocument::kErrorQuoteNotClosed;
            at = close;
        }
        ++at;
    }
    return XMLDocument::kNoError;
}

int32_t XMLTreeParser::ScanRange(const Range& range) {
    size_t at = range.start;
    bool rangeDone = false;
    while (!rangeDone) {
        int32_t error = FindOpen(range.end, at);
        if (error != XMLDocument::kNoError) return error;
        if (at >= range.end) break;
        ++at;
        error = ReadConstruct(range, at, rangeDone);
        if (error != XMLDocument::kNoError) return error;
    }
    if (range.parent && range.parent->children.empty()) {
        range.parent->value = TrimmedValue(mText.substr(range.start, range.end - range.start));
    }
    return XMLDocument::kNoError;
}

int32_t XMLTreeParser::ReadConstruct(const Range& range, size_t& at, bool& rangeDone) {
    const size_t end = range.end;
    SkipSpace(end, at);
    if (at >= end) return XMLDocument::kErrorEndsAfterOpen;
    size_t nameStart = at;
    while (at < end && !EndsTagName(mText[at])) ++at;
    if (at >= end) return XMLDocument::kErrorEndsInTagName;
    std::string_view name = mText.substr(nameStart, at - nameStart);
    if (name.empty()) {
        if (mText[at] == '?' || mText[at] == '!') return SkipDeclaration(end, at);
        return XMLDocument::kErrorEmptyTagName;
    }

    auto tag = std::make_unique<XMLTag>(String(name), String());
    bool emptyElement = false;
    int32_t error = ReadStartTag(*tag, end, at, emptyElement);
    if (error != XMLDocument::kNoError) return error;
    if (!emptyElement) {
        if (at >= end) return XMLDocument::kErrorNothingAfterStartTag;
        size_t contentStart = at;
        size_t contentEnd = at;
        bool found = false;
        error = FindEndTag(name, end, at, contentEnd, found);
        if (error != XMLDocument::kNoError) return error;
        if (!found) {
            // An element without its end tag is dropped with the rest of the range.
            rangeDone = true;
            return XMLDocument::kNoError;
        }
        if (contentEnd > contentStart) {
            // Each level rescans its content, so unbounded depth would cost
            // time quadratic in the file size.
            if (range.depth >= XMLDocument::kMaxDepth) return XMLDocument::kErrorTooDeep;
            mWork.push_back({tag.get(), contentStart, contentEnd, range.depth + 1});
        }
    }
    Append(range, std::move(tag));
    return XMLDocument::kNoError;
}

int32_t XMLTreeParser::SkipDeclaration(size_t end, size_t& at) const {
    if (at + 1 >= end) return XMLDocument::kErrorDeclarationAtEnd;
    ++at;
    int32_t depth = 1;
    while (at < end) {
        char c = mText[at];
        if (c == '"') {
            size_t close = mText.find('"', at + 1);
            if (close == std::string_view::npos || close >= end) return XMLDocument::kErrorQuoteNotClosed;
            at = close;
        } else if (c == '<') {
            ++depth;
        } else if (c == '>' && --depth == 0) {
            ++at;
            return XMLDocument::kNoError;
        }
        ++at;
    }
    return XMLDocument::kErrorDeclarationNotClosed;
}

int32_t XMLTreeParser::ReadStartTag(XMLTag& tag, size_t end, size_t& at, bool& emptyElement) const {
    while (true) {
        SkipSpace(end, at);
        if (at >= end) return XMLDocument::kErrorEndsInTagName;
        char c = mText[at];
        if (c == '/' || c == '\\') {
            ++at;
            SkipSpace(end, at);
            if (at >= end || mText[at] != '>') return XMLDocument::kErrorSlashWithoutClose;
            ++at;
            emptyElement = true;
            return XMLDocument::kNoError;
        }
        if (c == '<') return XMLDocument::kErrorOpenInStartTag;
        if (c == '>') {
            ++at;
            return XMLDocument::kNoError;
        }

        size_t nameStart = at;
        while (at < end && !EndsAttributeName(mText[at])) ++at;
        if (at >= end || IsBadAttributeStop(mText[at])) return XMLDocument::kErrorBadAttributeName;
        if (at == nameStart) return XMLDocument::kErrorEmptyAttributeName;
        std::string_view attributeName = mText.substr(nameStart, at - nameStart);
        SkipSpace(end, at);
        if (at >= end || mText[at] != '=') return XMLDocument::kErrorAttributeWithoutEquals;
        ++at;
        SkipSpace(end, at);
        if (at >= end || mText[at] != '"') return XMLDocument::kErrorValueNotQuoted;
        ++at;
        size_t close = mText.find('"', at);
        if (close == std::string_view::npos || close >= end) return XMLDocument::kErrorQuoteNotClosed;
        tag.parameters.push_back(
            std::make_unique<XMLParameter>(String(attributeName), String(mText.substr(at, close - at))));
        at = close + 1;
    }
}

int32_t XMLTreeParser::FindEndTag(std::string_view name, size_t end, size_t& at, size_t& contentEnd,
                                  bool& found) const {
    found = false;
    while (true) {
        int32_t error = FindOpen(end, at);
        if (error != XMLDocument::kNoError) return error;
        if (at >= end) return XMLDocument::kErrorEndTagMissing;
        size_t open = at++;
        SkipSpace(end, at);
        if (at >= end) return XMLDocument::kNoError;
        if (mText[at] != '/') continue;
        ++at;
        SkipSpace(end, at);
        size_t matched = 0;
        while (matched < name.size() && at + matched < end && mText[at + matched] == name[matched]) ++matched;
        if (at + matched >= end) return XMLDocument::kNoError;
        if (matched < name.size()) continue;
        char after = mText[at + matched];
        if (!IsSpace(after) && after != '>') continue;  // a longer name: not our end tag
        at += matched;
        SkipSpace(end, at);
        if (at >= end) return XMLDocument::kNoError;
        if (mText[at] != '>') return XMLDocument::kErrorBadEndTag;
        ++at;
        contentEnd = open;
        found = true;
        return XMLDocument::kNoError;
    }
}

void XMLTreeParser::Append(const Range& range, std::unique_ptr<XMLTag> tag) {
    if (range.parent) {
        range.parent->children.push_back(std::move(tag));
    } else {
        mTopLevel.push_back(std::move(tag));
    }
}
