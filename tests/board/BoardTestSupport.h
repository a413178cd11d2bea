#pragma once
// A plain board with straight test paths, and helpers to lay balls on them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeBoardGame.h"
#include "board/Board.h"
#include "core/Random.h"
#include "track/ChainSegment.h"
#include "track/Plimb.h"
#include "track/Track.h"

class BoardTest : public ::testing::Test {
protected:
    static constexpr int32_t kPathLength = 1000;  // pixels, along y = 300 from x = 0

    void SetUp() override { GetRandom().Seed(777); }

    // A board with `trackCount` straight paths, one eater each, started. With
    // a tile, eater i shows it centred on EaterCentre(i).
    void Build(int32_t trackCount = 1, const BoardMedia* media = nullptr, const Sprite* eaterTile = nullptr) {
        board = std::make_unique<Board>(game, media);
        for (int32_t i = 0; i < trackCount; ++i) {
            auto track = std::make_unique<Track>(board.get());
            // Built by appending: GCC 12 wrongly warns of overlapping copies
            // (-Wrestrict) for a literal plus a std::string in Release builds.
            const std::string y = std::to_string(300 + 50 * i);
            std::string text = "%%Note:;0 ";
            text += y;
            text += " m";
            for (int32_t x = 10; x <= kPathLength; x += 10) {
                text += ";";
                text += std::to_string(x);
                text += " ";
                text += y;
                text += " l";
            }
            track->Path().Parse(text.c_str());
            board->AddEaterAt(eaterTile, eaterTile ? EaterCentre(i) : Vec2{});
            board->AddTrack(std::move(track), i);
        }
        board->Start();
    }

    // One wave of `count` balls on track `index`, laid out with the front
    // ball `frontGap` pixels before the end and coloured `colour` (-1: as
    // the wave chose).
    std::vector<Plimb*> Lay(int32_t index, int32_t count, float frontGap, int32_t colour = -1) {
        Track& track = board->TrackAt(index);
        WaveSpec wave;
        wave.count = count;
        track.AddWave(wave);
        track.StartWave();
        ChainSegment& segment = *track.Segments().front();
        float d = static_cast<float>(track.Length()) - frontGap - board->ballSpacing * static_cast<float>(count);
        std::vector<Plimb*> balls;
        for (Plimb* item : segment.items) {
            item->distance = item->previousDistance = d;
            item->position = track.PointAtDistance(d);
            d += board->ballSpacing;
            if (item->isRobot) continue;
            if (colour >= 0) item->colour = colour;
            item->hasAppeared = true;
            balls.push_back(item);
        }
        return balls;
    }

    // Above the paths, clear of every ball.
    static Vec2 EaterCentre(int32_t index) { return Vec2{100.0f + 200.0f * static_cast<float>(index), 100.0f}; }

    void Tick(int32_t times = 1) {
        for (int32_t i = 0; i < times; ++i) board->Update();
    }

    FakeBoardGame game;
    std::unique_ptr<Board> board;
};
