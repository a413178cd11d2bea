#include "board/BoardFactory.h"

#include "board/Board_Blue.h"

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
const Theme kThemes[] = {
    {Board_Blue::kThemeWord, &Make<Board_Blue>},
};
}  // namespace

std::unique_ptr<Board> CreateBoard(const String& levelName, BoardGame& game, const BoardMedia* media) {
    for (const Theme& theme : kThemes)
        if (levelName.EqualsIgnoreCase(theme.word)) return theme.create(game, media);
    return nullptr;
}

bool HasBoardFor(const String& levelName) {
    for (const Theme& theme : kThemes)
        if (levelName.EqualsIgnoreCase(theme.word)) return true;
    return false;
}
