#pragma once
// The puff left where a ball pops: it shrinks and fades in about a third of a
// second, sized by the ball.

class Animator_Sprite;
struct EffectImages;

// A puff at (x, y) for a ball drawn at `ballScale`; the caller adds it to a
// manager. Null when there is no puff image.
Animator_Sprite* MakePopPuff(const EffectImages& images, float x, float y, float ballScale);
