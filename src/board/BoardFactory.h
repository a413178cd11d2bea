#pragma once
// Creates the themed board whose theme word equals a level name (case
// ignored), trying the theme words in a fixed order.

#include <memory>

#include "core/String.h"

class Board;
class BoardGame;
struct BoardMedia;

// Whether a built theme handles the name.
bool HasBoardFor(const String& levelName);

// Null when no built theme handles the name.
std::unique_ptr<Board> CreateBoard(const String& levelName, BoardGame& game, const BoardMedia* media);
