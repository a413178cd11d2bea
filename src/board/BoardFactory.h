#pragma once
// Creates the themed board whose theme word equals a level name (case
// ignored), trying the theme words in a fixed order, and answers the paths of
// a theme for tools that draw along them (the background painter).

#include <memory>
#include <vector>

#include "core/String.h"
#include "track/QuickSpline.h"

class Board;
class BoardGame;
struct BoardMedia;

// Whether a built theme handles the name.
bool HasBoardFor(const String& levelName);

// Null when no built theme handles the name.
std::unique_ptr<Board> CreateBoard(const String& levelName, BoardGame& game, const BoardMedia* media);

// Appends the theme's path curves, unmirrored and in track order, exactly as
// its board builds its tracks from them; false (nothing appended) for a word
// no theme has.
bool ThemePathCurves(const String& themeWord, std::vector<QuickSpline>& curves);

// Every built theme's word, in the order CreateBoard tries them.
std::vector<String> ThemeWords();
