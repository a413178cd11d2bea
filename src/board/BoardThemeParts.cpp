// What themed boards build their paths and tracks from, and the parts their
// layered drawing is made of.
#include <limits>

#include "board/Board.h"
#include "core/Matrix.h"
#include "track/Plimb.h"
#include "track/Track.h"

void Board::AppendParsedPath(std::vector<QuickSpline>& curves, const char* text) { curves.emplace_back().Parse(text); }

void Board::AppendPointPath(std::vector<QuickSpline>& curves, std::initializer_list<Vec2> points) {
    QuickSpline& curve = curves.emplace_back();
    for (const Vec2& point : points) curve.AddPoint(point.x, point.y);
    curve.Recompute();
}

void Board::AddThemeTracks(PathBuilder build, std::initializer_list<int32_t> eaterOfTrack) {
    std::vector<QuickSpline> curves;
    build(curves);
    for (size_t i = 0; i < curves.size(); ++i) {
        auto track = std::make_unique<Track>(this);
        track->Path() = curves[i];
        AddTrack(std::move(track), i < eaterOfTrack.size() ? eaterOfTrack.begin()[i] : 0);
    }
}

void Board::SetUpOneEaterScene(const char* theme, const char* eaterName, Vec2 eaterAt, PathBuilder build,
                               std::initializer_list<int32_t> eaterOfTrack) {
    background = LoadThemeSprite(theme, "Background");
    sceneEater = LoadThemeSprite(theme, eaterName);
    AddEaterAt(sceneEater.get(), eaterAt);
    AddThemeTracks(build, eaterOfTrack);
}

namespace {
constexpr float kEndless = std::numeric_limits<float>::infinity();
}  // namespace

Board::Layer Board::BallsFrom(int32_t track, float from) { return BallsBetween(track, from, kEndless); }

Board::Layer Board::BallsBefore(int32_t track, float to) { return BallsBetween(track, -kEndless, to); }

Board::Layer Board::AllBalls(int32_t track) { return BallsBetween(track, -kEndless, kEndless); }

bool Board::DrawPlayfield() {
    if (layers.empty()) return false;
    for (const Layer& layer : layers) {
        switch (layer.kind) {
            case Layer::Kind::Balls: DrawTrackBalls(layer.track, layer.from, layer.to); break;
            case Layer::Kind::Scenery: DrawScenery(layer.sprite, layer.topLeft); break;
            case Layer::Kind::Eaters: eaters.Draw(); break;
            case Layer::Kind::Shots:
                for (Plimb* shot : shots) shot->Draw();
                break;
        }
    }
    return true;
}

void Board::AddHiddenRange(int32_t trackIndex, float from, float to) {
    if (trackIndex >= 0 && trackIndex < TrackCount()) tracks[trackIndex].track->AddHiddenRange(from, to);
}

void Board::DrawTrackBalls(int32_t trackIndex, float from, float to) const {
    if (trackIndex >= 0 && trackIndex < TrackCount()) tracks[trackIndex].track->DrawBetween(from, to);
}

void Board::DrawScenery(const Sprite* sprite, Vec2 topLeft) const {
    if (!sprite) return;
    if (!mirror) {
        sprite->Draw(topLeft.x, topLeft.y);
        return;
    }
    float x = 2 * kMirrorAxis - sprite->Width() - topLeft.x;
    Matrix flip;
    flip.Scale(-1.0f, 1.0f);
    flip.Translate(x + sprite->Width() / 2, topLeft.y + sprite->Height() / 2);
    sprite->DrawTransformed(flip);
}

void Board::DrawEatersAndShots() {
    eaters.Draw();
    for (Plimb* shot : shots) shot->Draw();
}
