#pragma once
// One tag handed back by the streaming reader: its name, the raw attribute
// text of its start tag and its raw content (inner tags kept as text).

#include <cstdint>

#include "core/String.h"

class ParseXMLTag {
public:
    virtual ~ParseXMLTag() = default;

    // Attribute items are split at blanks outside single or double quotes.
    int32_t AttributeCount() const;
    // Item `index` split at its first "=": `name` and `content` are the
    // attribute's name and value (a matching pair of quotes removed).
    // `missing` is set when there is no such item.
    ParseXMLTag Attribute(int32_t index) const;

    bool missing = true;  // no further tag was found
    String name;
    String content;
    String attributes;  // everything between the tag name and ">", leading blanks removed
};
