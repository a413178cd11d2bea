#include "data/XMLTag.h"

const XMLTag* XMLTag::FindChild(std::string_view wanted) const {
    for (const auto& child : children) {
        if (child->name.EqualsIgnoreCase(wanted)) return child.get();
    }
    return nullptr;
}

const XMLParameter* XMLTag::FindParameter(std::string_view wanted) const {
    for (const auto& parameter : parameters) {
        if (parameter->name.EqualsIgnoreCase(wanted)) return parameter.get();
    }
    return nullptr;
}
