#pragma once
// Board records as bytes, and a level of the journey on a themed board.

#include <cstdint>
#include <memory>
#include <vector>

#include "FakeBoardGame.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/LevelLibrary.h"
#include "core/IOBuffer.h"

inline std::vector<uint8_t> Record(const Board& board) {
    IOBuffer out;
    board.Save(out);
    const uint8_t* bytes = out.Data();
    return std::vector<uint8_t>(bytes, bytes + out.Size());
}

// The first `count` bytes, to read from.
inline IOBuffer BufferOf(const std::vector<uint8_t>& bytes, size_t count) {
    IOBuffer in;
    in.SetData(bytes.data(), static_cast<int32_t>(count));
    return in;
}

inline bool LoadRecord(Board& board, const std::vector<uint8_t>& bytes) {
    IOBuffer in = BufferOf(bytes, bytes.size());
    return board.Load(in);
}

// A theme's first-world level of the journey, as the game screen sets it up.
struct ThemePlay {
    ThemePlay(const LevelLibrary& library, const String& theme) {
        board = CreateBoard(theme, game, nullptr);
        library.LoadLevel(theme, 0, PlayStyle::Normal, *board);
        board->BuildTitleImages(board->DisplayName(), String());
        board->Start();
    }
    FakeBoardGame game;
    std::unique_ptr<Board> board;
};

struct BluePlay : ThemePlay {
    explicit BluePlay(const LevelLibrary& library) : ThemePlay(library, "Blue") {}
};
