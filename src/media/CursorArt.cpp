#include "media/CursorArt.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/RenderTexture.h"

namespace {
// 'X' black outline, '.' white fill, ' ' transparent.
constexpr const char* kArrow[] = {
    "X           ", "XX          ", "X.X         ", "X..X        ", "X...X       ", "X....X      ", "X.....X     ",
    "X......X    ", "X.......X   ", "X........X  ", "X.........X ", "X......XXXXX", "X...X..X    ", "X..XX..X    ",
    "X.X  X..X   ", "XX   X..X   ", "X     X..X  ", "      X..X  ", "       XX   ",
};
constexpr const char* kBeam[] = {
    "XXX XXX", "X..X..X", "XXX.XXX", "  X.X  ", "  X.X  ", "  X.X  ", "  X.X  ", "  X.X  ",
    "  X.X  ", "  X.X  ", "  X.X  ", "  X.X  ", "  X.X  ", "XXX.XXX", "X..X..X", "XXX XXX",
};

struct Art {
    std::unique_ptr<RenderTexture> texture;
    float width, height, hotX, hotY;
};

template <size_t Rows>
Art Make(const char* const (&rows)[Rows], float hotX, float hotY) {
    int32_t width = static_cast<int32_t>(std::strlen(rows[0]));
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * Rows, 0);
    for (size_t row = 0; row < Rows; ++row)
        for (int32_t col = 0; col < width && rows[row][col]; ++col)
            pixels[row * width + col] = rows[row][col] == 'X' ? 0xFF000000 : rows[row][col] == '.' ? 0xFFFFFFFF : 0;
    auto texture = std::make_unique<RenderTexture>(width, static_cast<int32_t>(Rows));
    texture->Write(0, 0, width, static_cast<int32_t>(Rows), pixels.data(), width);
    return Art{std::move(texture), static_cast<float>(width), static_cast<float>(Rows), hotX, hotY};
}
}  // namespace

void CursorArt::Draw(CursorKind kind, float x, float y) {
    static Art arrow = Make(kArrow, 0, 0);
    static Art beam = Make(kBeam, 3, 8);
    Art& art = kind == CursorKind::Text ? beam : arrow;
    float left = x - art.hotX, top = y - art.hotY;
    float corners[8] = {left, top, left + art.width, top, left + art.width, top + art.height, left, top + art.height};
    GetGraphics().DrawTexture(*art.texture, corners, Rect{0, 0, art.width, art.height});
}
