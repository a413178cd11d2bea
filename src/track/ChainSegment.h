#pragma once
// A piece of chain: items from the rear (First) to the front (Last), exactly
// one ball spacing apart, moved as one rigid body.

#include <vector>

class Plimb;

struct ChainSegment {
    std::vector<Plimb*> items;  // not owned: the track owns its items
    float speed = 0;            // pixels per tick; negative moves back
    bool pullBack = false;      // rolling back to rejoin the piece behind

    bool IsEmpty() const { return items.empty(); }
    Plimb* First() const { return items.front(); }  // rear-most; not on an empty segment
    Plimb* Last() const { return items.back(); }    // front-most
    void ShareSpeed() const;                         // every item takes the segment's speed
};
