#pragma once
// Drawing colour: red, green, blue and alpha, each 0 .. 1.

struct Colour {
    float r = 1, g = 1, b = 1, a = 1;
};
