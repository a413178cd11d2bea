#include "data/ParseXML.h"

#include "core/IOBuffer.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// Content loses the control bytes 1-31 (line ends, tabs) as it is read.
bool IsSkippedControl(char c) { return c >= 1 && c <= 31; }
}  // namespace

void ParseXML::OpenFile(const String& path) {
    IOBuffer file;
    bool opened = file.LoadFile(path);
    mSource = String(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.Size()));
    mPosition = 0;
    mEnded = !opened;
}

void ParseXML::OpenText(const String& text) {
    mSource = text;
    mPosition = 0;
    mEnded = false;
}

bool ParseXML::EndTagAt(size_t at, const String& name) const {
    std::string_view source = mSource.view();
    size_t length = static_cast<size_t>(name.Length());
    if (at + 3 + length > source.size()) return false;
    return source[at] == '<' && source[at + 1] == '/' && EqualsIgnoreCase(source.substr(at + 2, length), name.view()) &&
           source[at + 2 + length] == '>';
}

ParseXMLTag ParseXML::ReadTag() {
    ParseXMLTag tag;
    if (mEnded) return tag;
    std::string_view source = mSource.view();

    size_t open = source.find('<', mPosition);
    size_t close = open == std::string_view::npos ? open : source.find('>', open + 1);
    if (close == std::string_view::npos) {
        mEnded = true;
        mPosition = source.size();
        return tag;
    }
    std::string_view startTag = source.substr(open + 1, close - open - 1);
    size_t blank = 0;
    while (blank < startTag.size() && !IsBlank(startTag[blank])) ++blank;
    tag.name = String(startTag.substr(0, blank));
    size_t attributesStart = blank;
    while (attributesStart < startTag.size() && IsBlank(startTag[attributesStart])) ++attributesStart;
    tag.attributes = String(startTag.substr(attributesStart));

    std::string content;
    size_t at = close + 1;
    while (at < source.size() && !EndTagAt(at, tag.name)) {
        if (!IsSkippedControl(source[at])) content += source[at];
        ++at;
    }
    if (at < source.size()) {
        at += static_cast<size_t>(tag.name.Length()) + 3;
    } else {
        mEnded = true;
    }
    mPosition = at;
    tag.content = String(std::move(content));
    tag.missing = false;
    return tag;
}
