#pragma once
// The software renderer's frame as a list of what was drawn, kept until the
// next frame starts. Drawing it is put off until the frame is shown or read,
// so a frame that is never shown costs nothing, a frame equal to the last one
// shown (same list, same texture contents) need not be drawn again, and the
// same frame can be drawn at the window's size and at the logical size.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/RenderVertex.h"

class RenderTexture;

class DrawList {
public:
    enum class Kind : uint8_t { Quad, Fill, Clip };
    struct Command {
        Kind kind = Kind::Quad;
        bool silhouette = false;
        bool linear = false;
        RenderColour colour;
        RenderTexture* texture = nullptr;  // followed only while registered with the same serial
        uint64_t serial = 0;
        RenderVertex corners[4];  // logical pixels; a clip keeps x, y, width, height in corners[0]
    };

    void Clear();
    void AddQuad(RenderTexture& texture, uint64_t serial, uint32_t textureVersion, const RenderVertex corners[4],
                 RenderColour colour, bool silhouette, bool linear);
    void AddFill(const RenderVertex corners[4], RenderColour colour);
    void AddClip(int32_t x, int32_t y, int32_t width, int32_t height);

    const std::vector<Command>& Commands() const { return mCommands; }
    // Equal for two frames that draw the same pixels from the same textures.
    uint64_t Hash() const { return mHash; }
    // The hash of the first `count` commands (0 .. Commands().size()).
    uint64_t PrefixHash(size_t count) const { return count == 0 ? kEmptyHash : mPrefixHashes[count - 1]; }
    // How many leading commands this list shares with `other`.
    size_t CommonPrefix(const DrawList& other) const;

    static constexpr uint64_t kEmptyHash = 14695981039346656037ull;  // FNV-1a's start

private:
    void Mix(uint64_t value);
    void MixVertices(const RenderVertex corners[4]);

    void Added();

    std::vector<Command> mCommands;
    std::vector<uint64_t> mPrefixHashes;  // after each command
    uint64_t mHash = kEmptyHash;
};
