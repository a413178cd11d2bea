#include "board/BoardFactory.h"

#include "board/themes/Board_Aqua.h"
#include "board/themes/Board_Beach.h"
#include "board/themes/Board_Bees.h"
#include "board/themes/Board_Blue.h"
#include "board/themes/Board_Bobsled.h"
#include "board/themes/Board_Chameleon.h"
#include "board/themes/Board_Cheeze.h"
#include "board/themes/Board_Chrome.h"
#include "board/themes/Board_Cosmic.h"
#include "board/themes/Board_Egypt.h"
#include "board/themes/Board_Forest.h"
#include "board/themes/Board_Green.h"
#include "board/themes/Board_Lava.h"
#include "board/themes/Board_Movies.h"
#include "board/themes/Board_Pretzel.h"
#include "board/themes/Board_Snail.h"
#include "board/themes/Board_Snake.h"
#include "board/themes/Board_Spiral.h"
#include "board/themes/Board_Spooky.h"
#include "board/themes/Board_Surreality.h"
#include "board/themes/Board_Taxman.h"
#include "board/themes/Board_Technicolor.h"
#include "board/themes/Board_Tooth.h"
#include "board/themes/Board_Video.h"

namespace {
struct Theme {
    const char* word;
    std::unique_ptr<Board> (*create)(BoardGame& game, const BoardMedia* media);
    Board::PathBuilder appendPaths;
};

template <class ThemedBoard>
std::unique_ptr<Board> Make(BoardGame& game, const BoardMedia* media) {
    return std::make_unique<ThemedBoard>(game, media);
}

// A theme's row: its word, its board and the builder its board takes its
// paths from, so that the board and the background painter share them.
template <class ThemedBoard>
constexpr Theme Row() {
    return {ThemedBoard::kThemeWord, &Make<ThemedBoard>, &ThemedBoard::AppendPaths};
}

// In the order names are tried; a theme joins here when its board is built.
// One row a line, so that themes join without touching their neighbours.
// clang-format off
const Theme kThemes[] = {
    Row<Board_Bees>(),
    Row<Board_Spiral>(),
    Row<Board_Forest>(),
    Row<Board_Egypt>(),
    Row<Board_Bobsled>(),
    Row<Board_Spooky>(),
    Row<Board_Lava>(),
    Row<Board_Movies>(),
    Row<Board_Pretzel>(),
    Row<Board_Aqua>(),
    Row<Board_Tooth>(),
    Row<Board_Blue>(),
    Row<Board_Beach>(),
    Row<Board_Chameleon>(),
    Row<Board_Cheeze>(),
    Row<Board_Chrome>(),
    Row<Board_Cosmic>(),
    Row<Board_Green>(),
    Row<Board_Snail>(),
    Row<Board_Snake>(),
    Row<Board_Surreality>(),
    Row<Board_Taxman>(),
    Row<Board_Technicolor>(),
    Row<Board_Video>(),
};
// clang-format on

const Theme* FindTheme(const String& word) {
    for (const Theme& theme : kThemes)
        if (word.EqualsIgnoreCase(theme.word)) return &theme;
    return nullptr;
}
}  // namespace

std::unique_ptr<Board> CreateBoard(const String& levelName, BoardGame& game, const BoardMedia* media) {
    const Theme* theme = FindTheme(levelName);
    return theme ? theme->create(game, media) : nullptr;
}

bool ThemePathCurves(const String& themeWord, std::vector<QuickSpline>& curves) {
    const Theme* theme = FindTheme(themeWord);
    if (!theme) return false;
    theme->appendPaths(curves);
    return true;
}

std::vector<String> ThemeWords() {
    std::vector<String> words;
    for (const Theme& theme : kThemes) words.emplace_back(theme.word);
    return words;
}

bool HasBoardFor(const String& levelName) {
    for (const Theme& theme : kThemes)
        if (levelName.EqualsIgnoreCase(theme.word)) return true;
    return false;
}
