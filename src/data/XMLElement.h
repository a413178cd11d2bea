#pragma once
// The pieces of a parsed XML tree. A missing text (an element without text, an
// attribute with empty quotes) reads as the empty string.

#include "core/String.h"

class XMLElement {
public:
    XMLElement(String elementName, String elementValue) : name(std::move(elementName)), value(std::move(elementValue)) {}
    virtual ~XMLElement() = default;

    String name;
    String value;
};

// One attribute: `value` is the text between its double quotes.
class XMLParameter : public XMLElement {
public:
    using XMLElement::XMLElement;
};
