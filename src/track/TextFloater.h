#pragma once
// A short text over the play field (the points of a popped group, "GAP BONUS
// + 250", "X2"): it pops up from nothing while sliding 40 pixels, stays
// readable for a while and fades away. The text is rendered once into a
// picture with an outline; afterwards only the picture is animated.

#include <cstdint>

#include "core/Colour.h"
#include "core/Object.h"
#include "core/String.h"
#include "media/Sprite.h"
#include "track/Vec2.h"

class Font;
class Image;

class TextFloater : public Object {
public:
    static constexpr int32_t kHoldTicks = 160;

    // The text belongs at (x, y); `font` may be null or not loaded (nothing
    // is drawn, the floater still runs its course).
    TextFloater(const String& text, float x, float y, const Font* font, const Colour& colour, const Colour& outline);

    // Where a text `width` pixels wide that belongs at (x, y) first shows and
    // comes to rest: kept on the field, moving up (down near the top).
    static void Place(float x, float y, float width, Vec2& start, Vec2& end);
    // The text in `colour` over a ring of `outline`, on a transparent picture.
    static Image Render(const String& text, const Font& font, const Colour& colour, const Colour& outline);

    void Update() override;
    void Draw() override;

    Vec2 Start() const { return start; }
    Vec2 End() const { return end; }
    float Scale() const { return scale; }
    float Alpha() const { return alpha; }
    bool IsGrowing() const { return growing; }
    bool IsFading() const { return fading; }
    int32_t HoldTicks() const { return holdTicks; }

private:
    Sprite image;
    float scale = 0;
    bool growing = true;
    int32_t holdTicks = kHoldTicks;
    bool fading = false;
    float alpha = 1.0f;
    Vec2 start;
    Vec2 end;
};
