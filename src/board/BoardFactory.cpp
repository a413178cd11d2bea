#include "board/BoardFactory.h"

#include "board/Board_Blue.h"
#include "board/themes/Board_Bees.h"
#include "board/themes/Board_Lava.h"
#include "board/themes/Board_Movies.h"
#include "board/themes/Board_Snail.h"
#include "board/themes/Board_Snake.h"
#include "board/themes/Board_Spiral.h"
#include "board/themes/Board_Taxman.h"
#include "board/themes/Board_Tooth.h"

namespace {
struct Theme {
    const char* word;
    std::unique_ptr<Board> (*create)(BoardGame& game, const BoardMedia* media);
};

template <class ThemedBoard>
std::unique_ptr<Board> Make(BoardGame& game, const BoardMedia* media) {
    return std::make_unique<ThemedBoard>(game, media);
}

// In the order names are tried; a theme joins here when its board is built.
// clang-format off
const Theme kThemes[] = {
    {Board_Bees::kThemeWord, &Make<Board_Bees>},
    {Board_Spiral::kThemeWord, &Make<Board_Spiral>},
    {Board_Lava::kThemeWord, &Make<Board_Lava>},
    {Board_Movies::kThemeWord, &Make<Board_Movies>},
    {Board_Tooth::kThemeWord, &Make<Board_Tooth>},
    {Board_Blue::kThemeWord, &Make<Board_Blue>},
    {Board_Snail::kThemeWord, &Make<Board_Snail>},
    {Board_Snake::kThemeWord, &Make<Board_Snake>},
    {Board_Taxman::kThemeWord, &Make<Board_Taxman>},
};
// clang-format on
}  // namespace

std::unique_ptr<Board> CreateBoard(const String& levelName, BoardGame& game, const BoardMedia* media) {
    for (const Theme& theme : kThemes)
        if (levelName.EqualsIgnoreCase(theme.word)) return theme.create(game, media);
    return nullptr;
}
