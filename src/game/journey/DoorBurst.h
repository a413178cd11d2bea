#pragma once
// A door bursting open: its picture breaks into a grid of pieces that hang
// for a moment, then fly apart from the door's centre, fall and spin.

#include <cstdint>
#include <vector>

#include "core/Rect.h"
#include "media/Sprite.h"

class Image;

class DoorBurst {
public:
    static constexpr int32_t kGrid = 5;  // pieces across and down

    // The door `picture` drawn with its top-left corner at map (rect.x,
    // rect.y). With a `mask` (the same size), the door's alpha is multiplied
    // by it, which gives the pieces the ragged edges of its cracks.
    static DoorBurst FromImage(const Image& picture, const Image* mask, const Rect& rect);
    static DoorBurst FromSprite(const Sprite& picture, const Rect& rect);

    void Update();
    // At map positions moved down by `scroll`.
    void Draw(float scroll) const;
    // Every piece has fallen off the bottom of the map.
    bool IsDone() const;
    int32_t PieceCount() const { return static_cast<int32_t>(pieces.size()); }

    struct Piece {
        Sprite picture;
        float x = 0, y = 0;  // centre, map pixels
        float vx = 0, vy = 0;
        float angle = 0, spin = 0;  // degrees, degrees per tick
        int32_t delay = 0;          // ticks before it flies
    };
    const std::vector<Piece>& Pieces() const { return pieces; }

private:
    // Pushes the pieces outward from the centre of `rect`.
    void Launch(const Rect& rect);

    std::vector<Piece> pieces;
};
