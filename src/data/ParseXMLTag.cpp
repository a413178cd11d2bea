#include "data/ParseXMLTag.h"

#include <string_view>
#include <vector>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> SplitItems(std::string_view text) {
    std::vector<std::string_view> items;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        bool atEnd = i == text.size();
        char c = atEnd ? ' ' : text[i];
        if (quote) {
            if (c == quote) quote = 0;
            if (!atEnd) continue;
        } else if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        if (IsBlank(c) || atEnd) {
            if (i > start) items.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return items;
}
}  // namespace

int32_t ParseXMLTag::AttributeCount() const { return static_cast<int32_t>(SplitItems(attributes.view()).size()); }

ParseXMLTag ParseXMLTag::Attribute(int32_t index) const {
    ParseXMLTag result;
    std::vector<std::string_view> items = SplitItems(attributes.view());
    if (index < 0 || index >= static_cast<int32_t>(items.size())) return result;
    std::string_view item = items[static_cast<size_t>(index)];
    size_t equals = item.find('=');
    std::string_view value = equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    result.missing = false;
    result.name = String(item.substr(0, equals));
    result.content = String(value);
    return result;
}
