#pragma once
// One element of a parsed XML tree. `value` holds the trimmed text content
// only when the element has no child elements. Children and parameters keep
// file order; the tag owns both.

#include <memory>
#include <string_view>
#include <vector>

#include "data/XMLElement.h"

class XMLTag : public XMLElement {
public:
    using XMLElement::XMLElement;

    std::vector<std::unique_ptr<XMLTag>> children;
    std::vector<std::unique_ptr<XMLParameter>> parameters;

    // First child / parameter whose name equals `wanted` ignoring ASCII case;
    // null when there is none.
    const XMLTag* FindChild(std::string_view wanted) const;
    const XMLParameter* FindParameter(std::string_view wanted) const;
};
