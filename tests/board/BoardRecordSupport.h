#pragma once
// Board records as bytes, and a level of the journey on the Blue board.

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

// A level of the journey on the Blue board, as the game screen sets it up.
struct BluePlay {
    explicit BluePlay(const LevelLibrary& library) {
        board = CreateBoard("blue", game, nullptr);
        library.LoadLevel("Blue", 0, PlayStyle::Normal, *board);
        board->BuildTitleImages(board->DisplayName(), String());
        board->Start();
    }
    FakeBoardGame game;
    std::unique_ptr<Board> board;
};
