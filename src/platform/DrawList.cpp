#include "platform/DrawList.h"

#include <algorithm>
#include <bit>

namespace {
// FNV-1a, a word at a time: cheap next to drawing, and a frame has no adversary.
constexpr uint64_t kHashPrime = 1099511628211ull;

uint64_t ColourBits(RenderColour colour) {
    return uint64_t{colour.r} | uint64_t{colour.g} << 8 | uint64_t{colour.b} << 16 | uint64_t{colour.a} << 24;
}
}  // namespace

void DrawList::Clear() {
    mCommands.clear();
    mPrefixHashes.clear();
    mHash = kEmptyHash;
}

void DrawList::Added() { mPrefixHashes.push_back(mHash); }

size_t DrawList::CommonPrefix(const DrawList& other) const {
    // Each prefix hash covers all before it, so the first difference ends the run.
    size_t count = std::min(mPrefixHashes.size(), other.mPrefixHashes.size()), same = 0;
    while (same < count && mPrefixHashes[same] == other.mPrefixHashes[same]) ++same;
    return same;
}

void DrawList::Mix(uint64_t value) { mHash = (mHash ^ value) * kHashPrime; }

void DrawList::MixVertices(const RenderVertex corners[4]) {
    for (int i = 0; i < 4; ++i) {
        Mix(uint64_t{std::bit_cast<uint32_t>(corners[i].x)} << 32 | std::bit_cast<uint32_t>(corners[i].y));
        Mix(uint64_t{std::bit_cast<uint32_t>(corners[i].u)} << 32 | std::bit_cast<uint32_t>(corners[i].v));
    }
}

void DrawList::AddQuad(RenderTexture& texture, uint64_t serial, uint32_t textureVersion, const RenderVertex corners[4],
                       RenderColour colour, bool silhouette, bool linear) {
    Command command{
        Kind::Quad, silhouette, linear, colour, &texture, serial, {corners[0], corners[1], corners[2], corners[3]}};
    mCommands.push_back(command);
    Mix(static_cast<uint64_t>(Kind::Quad) | uint64_t{silhouette} << 8 | uint64_t{linear} << 9 |
        ColourBits(colour) << 16);
    Mix(serial);
    Mix(textureVersion);
    MixVertices(corners);
    Added();
}

void DrawList::AddFill(const RenderVertex corners[4], RenderColour colour) {
    Command command{Kind::Fill, false, false, colour, nullptr, 0, {corners[0], corners[1], corners[2], corners[3]}};
    mCommands.push_back(command);
    Mix(static_cast<uint64_t>(Kind::Fill) | ColourBits(colour) << 16);
    MixVertices(corners);
    Added();
}

void DrawList::AddClip(int32_t x, int32_t y, int32_t width, int32_t height) {
    Command command;
    command.kind = Kind::Clip;
    command.corners[0] = RenderVertex{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                                      static_cast<float>(height)};
    mCommands.push_back(command);
    Mix(static_cast<uint64_t>(Kind::Clip));
    Mix(static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32 | static_cast<uint32_t>(y));
    Mix(static_cast<uint64_t>(static_cast<uint32_t>(width)) << 32 | static_cast<uint32_t>(height));
    Added();
}
