#include "track/ChainSegment.h"

#include "track/Plimb.h"

void ChainSegment::ShareSpeed() const {
    for (Plimb* item : items) item->speed = speed;
}
