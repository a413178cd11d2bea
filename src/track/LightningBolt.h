#pragma once
// A lightning bolt between two points, drawn as three jagged layers: a wide
// dark purple glow, a cyan body and a thin white core.

#include <cstdint>
#include <vector>

#include "track/Vec2.h"

class LightningBolt {
public:
    static constexpr int32_t kLayerCount = 3;
    static constexpr int32_t kAllLayers = -1;

    struct Layer {
        float width = 0;           // pixels
        std::vector<Vec2> points;  // from the start point to the end point
    };

    // The jagged shape is drawn from the game's generator.
    LightningBolt(Vec2 from, Vec2 to, float width);
    virtual ~LightningBolt() = default;


    const Layer& LayerAt(int32_t index) const { return layers[index]; }

private:
    Vec2 from, to;
    Layer layers[kLayerCount];
};
