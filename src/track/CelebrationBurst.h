#pragma once
// The celebration firework: three volleys of fifteen sparks flying out in
// rings from one point, each volley faster and turned a little further.

class ObjectManager;
struct EffectImages;

// Plays the firework sound and adds 45 Firework_Particles around (x, y) to
// `into`.
void CelebrationBurst(ObjectManager& into, const EffectImages& images, float x, float y);
