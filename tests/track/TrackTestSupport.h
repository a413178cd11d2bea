#pragma once
// A chain on a straight path for tests, with helpers to lay out its pieces.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeTrackHost.h"
#include "core/Random.h"
#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/Track.h"

class TrackTest : public ::testing::Test {
protected:
    void SetUp() override { GetRandom().Seed(4242); }

    // A horizontal path of `length` pixels at y = 300, left to right, in
    // short pieces so that sampling is exact to the pixel.
    void Build(int32_t length) {
        track = std::make_unique<Track>(&host);
        std::string text = "%%Note:;0 300 m";
        // Appended piece by piece: GCC 12 wrongly warns of overlapping copies
        // (-Wrestrict) for a literal plus a std::string in Release builds.
        for (int32_t x = 10; x <= length; x += 10) {
            text += ";";
            text += std::to_string(x);
            text += " 300 l";
        }
        track->Path().Parse(text.c_str());
        track->BuildFromPath();
    }

    ChainSegment& Segment(size_t i) { return *track->Segments().at(i); }

    // Lays a piece out from its rear-most item, one spacing apart.
    void Place(ChainSegment& segment, float firstDistance) {
        float d = firstDistance;
        for (Plimb* item : segment.items) {
            item->distance = d;
            item->previousDistance = d;
            item->position = track->PointAtDistance(d);
            d += host.spacing;
        }
    }

    // One wave of `count` balls, split into pieces by removing the balls at
    // the given places (counted from the rear ball, 0 .. count-1).
    void StartWave(int32_t count, std::initializer_list<int32_t> removed = {}) {
        WaveSpec wave;
        wave.count = count;
        track->AddWave(wave);
        track->StartWave();
        std::vector<Plimb*> balls(track->Items().begin() + 1, track->Items().begin() + 1 + count);
        for (int32_t index : removed) track->RemoveBall(balls[index]);
    }

    FakeTrackHost host;
    std::unique_ptr<Track> track;
};
