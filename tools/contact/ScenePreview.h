#pragma once
#include <string>

#include "common/Pixmap.h"

// The Blue board as the game composes it: background, eaters on the path ends,
// balls on the straight stretches, launcher and heads-up frame. Empty when a
// piece is missing.
Pixmap ComposeBluePreview(const std::string& root);
