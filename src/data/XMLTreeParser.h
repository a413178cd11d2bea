#pragma once
// The scanner behind XMLDocument::Parse. Work ranges sit on an explicit stack
// instead of the call stack, so deep nesting in a hostile file cannot
// overflow it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "data/XMLTag.h"

class XMLTreeParser {
public:
    XMLTreeParser(std::string_view text, std::vector<std::unique_ptr<XMLTag>>& topLevel)
        : mText(text), mTopLevel(topLevel) {}

    // Parses everything; answers an XMLDocument error code (0: none). Elements
    // finished before an error stay in the tree.
    int32_t Run();

private:
    struct Range {
        XMLTag* parent;  // null: the document itself
        size_t start;
        size_t end;
        int32_t depth;  // elements enclosing the range
    };

    int32_t ScanRange(const Range& range);
    // Reads one construct starting just after its "<"; appends what it finds.
    int32_t ReadConstruct(const Range& range, size_t& at, bool& rangeDone);
    int32_t SkipDeclaration(size_t end, size_t& at) const;
    int32_t ReadStartTag(XMLTag& tag, size_t end, size_t& at, bool& emptyElement) const;
    // Finds the end tag of `name`; `contentEnd` is the position of its "<".
    // Answers 0 with `found` false when the range ends inside a candidate.
    int32_t FindEndTag(std::string_view name, size_t end, size_t& at, size_t& contentEnd, bool& found) const;
    // Moves `at` to the next "<" outside double-quoted runs (or to `end`).
    int32_t FindOpen(size_t end, size_t& at) const;
    void SkipSpace(size_t end, size_t& at) const;
    void Append(const Range& range, std::unique_ptr<XMLTag> tag);

    std::string_view mText;
    std::vector<std::unique_ptr<XMLTag>>& mTopLevel;
    std::vector<Range> mWork;
};
