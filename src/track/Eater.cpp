#include "track/Eater.h"

#include <utility>

#include "core/IOBuffer.h"
#include "core/Matrix.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "track/EffectHost.h"
#include "track/Wick.h"

namespace {
constexpr float kKnockDegrees = 25;       // least turn when a fuse reaches its bomb
constexpr float kKnockExtraDegrees = 25;  // plus up to this much at random
}  // namespace

Eater::Eater(EffectHost* host, const EffectImages* images, bool secondEater)
    : host(host), images(images), secondEater(secondEater) {
    mName = "eater";
}

Eater::~Eater() = default;

void Eater::SetTile(const Sprite* image, const Rect& place, bool mirror) {
    tile = image;
    tilePlace = place;
    mirrored = mirror;
}

void Eater::StartHandOver() {
    wicks.clear();
    handedOver = true;
    gone = false;
}

void Eater::AddWick(Wick* wick) {
    if (wick) wicks.emplace_back(wick);
}

void Eater::Update() {
    bool allBurnt = true;
    for (auto& wick : wicks) {
        wick->Update();
        if (wick->Burn() <= 0 && !wick->IsMarkedBurnt()) {
            wick->MarkBurnt();
            if (host && !wick->Points().empty()) {
                Vec2 end = wick->Points().front();
                host->FireworkBurst(end.x, end.y);
            }
            float turn = kKnockDegrees + kKnockExtraDegrees * GetRandom().NextFloat();
            angle += GetRandom().Next(2) == 0 ? turn : -turn;
        }
        if (!wick->IsMarkedBurnt()) allBurnt = false;
    }
    if (handedOver && allBurnt) gone = true;
}

void Eater::Draw() {
    if (!gone && tile) {
        // Scenery is always whole, whatever colour was left by what came before.
        GetGraphics().SetColour(1, 1, 1, 1);
        // A mirrored tile is flipped, so it turns the other way too.
        Matrix transform;
        transform.Scale(mirrored ? -1.0f : 1.0f, 1.0f);
        transform.Rotate(mirrored ? -angle : angle);
        transform.Translate(tilePlace.x + tilePlace.width / 2, tilePlace.y + tilePlace.height / 2);
        tile->DrawTransformed(transform);
    }
    for (auto& wick : wicks) wick->Draw();
    GetGraphics().SetColour(1, 1, 1, 1);
}

void Eater::Save(IOBuffer& out) const {
    out.WriteInt(static_cast<int32_t>(wicks.size()));
    for (const auto& wick : wicks) wick->Save(out);
    out.WriteBool(handedOver);
}

Eater::Record::Record() = default;
Eater::Record::~Record() = default;
Eater::Record::Record(Record&&) noexcept = default;

bool Eater::Load(IOBuffer& in) {
    Record record;
    if (!ReadRecord(in, record)) return false;
    TakeRecord(std::move(record));
    return true;
}

bool Eater::ReadRecord(IOBuffer& in, Record& record) const {
    int32_t count = in.ReadInt();
    if (in.HasError() || count < 0 || count > kMaxWicks) return false;
    for (int32_t i = 0; i < count; ++i) {
        auto wick = std::make_unique<Wick>(host, images, std::vector<Vec2>{}, secondEater);
        if (!wick->Load(in)) return false;
        record.wicks.push_back(std::move(wick));
    }
    record.handedOver = in.ReadBool();
    return !in.HasError();
}

void Eater::TakeRecord(Record&& record) {
    wicks = std::move(record.wicks);
    handedOver = record.handedOver;
}
