#include "track/ScoreRule.h"

int32_t ScaledPoints(int32_t basePoints, int32_t worldIndex, PlayStyle style) {
    int32_t points = worldIndex >= 0 ? basePoints * (worldIndex + 1) : basePoints;
    if (style == PlayStyle::Child) points /= 2;
    if (style == PlayStyle::Apocalypse) points *= 2;
    return points;
}
