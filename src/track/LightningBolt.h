#pragma once
// A lightning bolt between two points, drawn as three jagged layers: a wide
// dark purple glow, a cyan body and a thin white core.

#include <cstdint>
#include <vector>

#include "track/Vec2.h"

class Sprite;

class LightningBolt {
public:
    static constexpr int32_t kLayerCount = 3;
    static constexpr int32_t kAllLayers = -1;

    struct Layer {
        float width = 0;           // pixels
        std::vector<Vec2> points;  // from the start point to the end point
    };

    // The jagged shape is drawn from the game's generator. Each stretch of a
    // layer is `stroke` (a soft round image) stretched to the stretch's length
    // and the layer's width; a null stroke draws nothing.
    LightningBolt(Vec2 from, Vec2 to, float width, const Sprite* stroke);
    virtual ~LightningBolt() = default;

    // Draws one layer (0 glow, 1 body, 2 core) or all of them for kAllLayers.
    virtual void Draw(int32_t layer) const;


    const Layer& LayerAt(int32_t index) const { return layers[index]; }

private:
    void DrawLayer(int32_t index) const;

    Vec2 from, to;
    const Sprite* stroke;
    Layer layers[kLayerCount];
};
