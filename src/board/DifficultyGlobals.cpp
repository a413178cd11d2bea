#include "board/DifficultyGlobals.h"

#include <algorithm>

#include "board/LevelValue.h"
#include "data/XMLTag.h"

DifficultyGlobals DifficultyGlobals::Read(const XMLTag& root) {
    DifficultyGlobals globals;
    for (const auto& child : root.children) {
        const String& name = child->name;
        std::string_view value = child->value.view();
        if (name.EqualsIgnoreCase("GLOBAL_SPEED_ADD")) {
            globals.speedAdd = LevelValue::Decimal(value);
        } else if (name.EqualsIgnoreCase("GLOBAL_SPEED_INITIAL_ADD")) {
            globals.speedInitialAdd = LevelValue::Decimal(value);
        } else if (name.EqualsIgnoreCase("GLOBAL_SPEED_FAST_ADD")) {
            globals.speedFastAdd = LevelValue::Decimal(value);
        } else if (name.EqualsIgnoreCase("GLOBAL_SPEED_SLOW_ADD")) {
            globals.speedSlowAdd = LevelValue::Decimal(value);
        } else if (name.EqualsIgnoreCase("GLOBAL_TYPES_ADD")) {
            globals.typesAdd = LevelValue::Integer(value);
        } else if (name.EqualsIgnoreCase("GLOBAL_PROGRESS_ADD")) {
            globals.progressAdd = LevelValue::Integer(value);
        }
    }
    for (float* add : {&globals.speedAdd, &globals.speedInitialAdd, &globals.speedFastAdd, &globals.speedSlowAdd}) {
        *add = std::clamp(*add, -kSpeedAddLimit, kSpeedAddLimit);
    }
    return globals;
}
