#pragma once
// The smoke puff of a burning fuse (bomb balls and path-end fuses): a
// fire-and-forget sprite that drifts up, turns, darkens and fades.

class Animator_Sprite;
struct EffectImages;

// A puff near the burning point (x, y): up to 5 pixels to either side and 10
// above it, one of the three smoke images at random. The caller adds it to a
// manager. Null when there is no smoke image to show.
Animator_Sprite* MakeSmokePuff(const EffectImages& images, float x, float y);
