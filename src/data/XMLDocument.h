#pragma once
// Tree reader for the game's forgiving XML subset (no entities, namespaces or
// CDATA). After Load or Parse, `error` tells what stopped the reader (0: none)
// and `tags` holds the top-level elements read up to that point.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "data/XMLTag.h"

class XMLDocument {
public:
    static constexpr int32_t kNoError = 0;
    static constexpr int32_t kErrorNoText = 1;
    static constexpr int32_t kErrorBadPath = 2;
    static constexpr int32_t kErrorEmptyFile = 3;
    static constexpr int32_t kErrorOpenInStartTag = 5;          // "<" inside a start tag
    static constexpr int32_t kErrorSlashWithoutClose = 6;       // "/" not followed by ">"
    static constexpr int32_t kErrorEmptyAttributeName = 9;
    static constexpr int32_t kErrorEndTagMissing = 44;
    static constexpr int32_t kErrorEndsAfterOpen = 45;          // text ends after "<"
    static constexpr int32_t kErrorEndsInTagName = 46;
    static constexpr int32_t kErrorEmptyTagName = 47;
    static constexpr int32_t kErrorAttributeWithoutEquals = 48;
    static constexpr int32_t kErrorValueNotQuoted = 49;
    static constexpr int32_t kErrorBadAttributeName = 66;
    static constexpr int32_t kErrorNothingAfterStartTag = 115;
    static constexpr int32_t kErrorDeclarationNotClosed = 200;
    static constexpr int32_t kErrorQuoteNotClosed = 901;
    static constexpr int32_t kErrorDeclarationAtEnd = 903;      // "<?" or "<!" as the last bytes
    static constexpr int32_t kErrorNoTopLevelElement = 999;
    static constexpr int32_t kErrorBadEndTag = 550530;          // unexpected byte in an end tag
    static constexpr int32_t kErrorTooDeep = 1000;              // elements nested deeper than kMaxDepth

    // Our documents nest four levels; the bound keeps hostile files linear.
    static constexpr int32_t kMaxDepth = 64;

    // Normalises `path` (see NormalisePath), reads the file and parses it. A
    // file that cannot be opened leaves error 0 and no tags.
    void Load(const String& path);
    // Parses a zero-terminated text; null is error 1.
    void Parse(const char* text);
    void Clear();

    // The first top-level element (the root of a configuration document), or null.
    const XMLTag* Root() const { return tags.empty() ? nullptr : tags.front().get(); }

    // Drops leading separators and turns every run of "/" and "\" into one "\".
    // Answers "" for a path that is empty afterwards or ends in a separator.
    static String NormalisePath(const String& path);

    int32_t error = kNoError;
    std::vector<std::unique_ptr<XMLTag>> tags;
};
