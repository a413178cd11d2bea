#pragma once
// A stage of the journey: a named, ordered list of level names, read from
// the level order document ("Data/LevelOrder.CFG").

#include <cstdint>
#include <vector>

#include "core/String.h"

class XMLDocument;

struct LevelGroup {
    String name;                     // the stage name, e.g. "World 1-2"
    std::vector<String> levelNames;  // theme words, in play order

    // Every <group> child of the document's root, in file order; each
    // <Level> child's value is one level name. Names compare ignoring case.
    static std::vector<LevelGroup> ReadAll(const XMLDocument& levelOrder);
    // The first group named `name` (ignoring case), or null.
    static const LevelGroup* Find(const std::vector<LevelGroup>& groups, const String& name);
};
