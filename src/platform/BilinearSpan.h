#pragma once
// One row piece of a turned or scaled sprite: bilinear samples stepped in
// 16.16 fixed point across a texture, tinted and blended over the frame.
// This is the hot loop of the software renderer, so it comes in widths:
// four pixels at a time where the processor has AVX2, else two (SSE2).

#include <cstdint>

#include "platform/RenderVertex.h"

struct BilinearSpan {
    const uint32_t* texels = nullptr;  // rows of `width` texels, 0xAARRGGBB, sides below 32768
    int32_t width = 0, height = 0;
    // Texel position of the first pixel and the step per pixel, 16.16 fixed
    // point with texel centres at whole numbers. Positions stay within two
    // texels of the texture, so they fit 32 bits too.
    int64_t u = 0, v = 0;
    int64_t stepU = 0, stepV = 0;
    RenderColour colour;
    bool silhouette = false;  // the colour alone with the texels' alpha; else texels tinted by it
    uint32_t* out = nullptr;  // the frame pixel of the first sample
    int32_t count = 0;
};

// Draws with the widest kernel this processor runs.
void DrawBilinearSpan(const BilinearSpan& span);

// The kernels themselves, all giving the same pixels (tests compare them).
void DrawBilinearSpanOneByOne(const BilinearSpan& span);
void DrawBilinearSpanInPairs(const BilinearSpan& span);
void DrawBilinearSpanInFours(const BilinearSpan& span);  // needs AVX2
bool ProcessorHasAvx2();
