#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

Letterbox Letterbox::Fit(int32_t logicalWidth, int32_t logicalHeight, int32_t outputWidth, int32_t outputHeight,
                         int32_t windowWidth, int32_t windowHeight) {
    Letterbox box;
    box.logicalWidth = std::max(logicalWidth, 1);
    box.logicalHeight = std::max(logicalHeight, 1);
    outputWidth = std::max(outputWidth, 1);
    outputHeight = std::max(outputHeight, 1);
    // Compared in integers, so a window of exactly the logical aspect gets no bar at all.
    int64_t wide = static_cast<int64_t>(outputWidth) * box.logicalHeight;
    int64_t tall = static_cast<int64_t>(outputHeight) * box.logicalWidth;
    if (wide >= tall) {
        box.height = outputHeight;
        box.width = static_cast<int32_t>(std::max<int64_t>(tall / box.logicalHeight, 1));
    } else {
        box.width = outputWidth;
        box.height = static_cast<int32_t>(std::max<int64_t>(wide / box.logicalWidth, 1));
    }
    box.x = (outputWidth - box.width) / 2;
    box.y = (outputHeight - box.height) / 2;
    box.pixelsPerPointX = static_cast<float>(outputWidth) / static_cast<float>(std::max(windowWidth, 1));
    box.pixelsPerPointY = static_cast<float>(outputHeight) / static_cast<float>(std::max(windowHeight, 1));
    return box;
}

void Letterbox::ToLogical(int32_t pointX, int32_t pointY, int32_t& logicalX, int32_t& logicalY) const {
    // Through the centre of the point's pixel, so a picture drawn 1:1 maps exactly.
    double pixelX = (pointX + 0.5) * pixelsPerPointX - x;
    double pixelY = (pointY + 0.5) * pixelsPerPointY - y;
    logicalX = static_cast<int32_t>(std::floor(pixelX * logicalWidth / width));
    logicalY = static_cast<int32_t>(std::floor(pixelY * logicalHeight / height));
}
