#include "board/LevelGroup.h"

#include "data/XMLDocument.h"

std::vector<LevelGroup> LevelGroup::ReadAll(const XMLDocument& levelOrder) {
    std::vector<LevelGroup> groups;
    const XMLTag* root = levelOrder.Root();
    if (!root) return groups;
    for (const auto& child : root->children) {
        if (!child->name.EqualsIgnoreCase("group")) continue;
        LevelGroup group;
        for (const auto& parameter : child->parameters) {
            if (parameter->name.EqualsIgnoreCase("name")) group.name = parameter->value;
        }
        for (const auto& level : child->children) {
            if (level->name.EqualsIgnoreCase("Level")) group.levelNames.push_back(level->value);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

const LevelGroup* LevelGroup::Find(const std::vector<LevelGroup>& groups, const String& name) {
    for (const LevelGroup& group : groups) {
        if (group.name.EqualsIgnoreCase(name.view())) return &group;
    }
    return nullptr;
}
