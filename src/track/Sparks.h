#pragma once
// The flickering sparks at a burning fuse tip (bomb balls and path-end fuses).

struct EffectImages;

// Two spark images at (x, y), turned by one random angle, the second 0.66 the
// size of the first. Flicker comes from the draw-only generator so drawing
// never changes a replay.
void DrawSparks(const EffectImages& images, float x, float y);
