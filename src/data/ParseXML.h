#pragma once
// Streaming XML reader: walks a file or a text tag by tag. Nested content is
// read by running a second ParseXML over a tag's content. It never reports
// errors: a source that cannot be opened simply yields no tags.

#include <cstddef>

#include "core/String.h"
#include "data/ParseXMLTag.h"

class ParseXML {
public:
    virtual ~ParseXML() = default;

    // Reset and read from this file (at most IOBuffer::kMaxFileBytes) or text.
    void OpenFile(const String& path);
    void OpenText(const String& text);

    // The next tag, or a record with `missing` set. A nested tag of the same
    // name is not tracked: the first end tag with the name ends the content.
    ParseXMLTag ReadTag();

private:
    // True when "</name>" (name ignoring case) starts at `at`.
    bool EndTagAt(size_t at, const String& name) const;

    String mSource;
    size_t mPosition = 0;
    bool mEnded = true;
};
