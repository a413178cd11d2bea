#pragma once
// Board records as bytes, a level of the journey on the Blue board, and any
// theme's level played by the bot.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "FakeBoardGame.h"
#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/LevelLibrary.h"
#include "core/IOBuffer.h"
#include "core/Random.h"

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

// A theme's level in one world in the Normal style, as the game screen sets
// it up, with a game screen that knows when it is won.
struct ThemePlay {
    ThemePlay(const LevelLibrary& library, const char* word, int32_t world = 0) {
        game.world = world;
        board = CreateBoard(word, game, nullptr);
        game.board = board.get();
        library.LoadLevel(word, world, PlayStyle::Normal, *board);
        board->BuildTitleImages(board->DisplayName(), String());
        board->Start();
    }
    // The bot plays `ticks` ticks or until the level is won or lost; true
    // when it was won.
    bool PlayFor(int32_t ticks) {
        AutoPlayer bot(*board);
        for (int32_t tick = 0; tick < ticks && !game.Won() && !board->gameOver; ++tick) {
            bot.Tick();
            board->Update();
        }
        return game.Won();
    }
    FakeBoardGame game;
    std::unique_ptr<Board> board;
};

struct BluePlay : ThemePlay {
    explicit BluePlay(const LevelLibrary& library) : ThemePlay(library, "Blue") {}
};

// The level `original` plays, saved now and loaded into a fresh board of its
// theme, goes on for `ticks` ticks byte for byte as `original` does. The
// random generator and the pointer are input, not saved state, so the fresh
// board gets them as they were at the save.
inline void ExpectSavedLevelContinues(const LevelLibrary& library, const char* word, ThemePlay& original,
                                      int32_t ticks) {
    ASSERT_GT(original.board->LiveBallCount(), 0) << word;
    std::vector<uint8_t> saved = Record(*original.board);
    Random generatorAtSave = GetRandom();
    float pointer = original.board->TargetX();
    std::vector<std::vector<uint8_t>> expected;
    for (int32_t i = 0; i < ticks; ++i) {
        original.board->Update();
        expected.push_back(Record(*original.board));
    }
    ThemePlay restored(library, word);
    ASSERT_TRUE(LoadRecord(*restored.board, saved)) << word;
    GetRandom() = generatorAtSave;
    restored.board->SetTargetX(pointer);
    for (int32_t i = 0; i < ticks; ++i) {
        restored.board->Update();
        std::vector<uint8_t> now = Record(*restored.board);
        size_t first = 0;
        while (first < now.size() && first < expected[i].size() && now[first] == expected[i][first]) ++first;
        ASSERT_EQ(now, expected[i]) << word << " tick " << i << " after the load, first difference at byte " << first
                                    << " of " << now.size();
    }
}
