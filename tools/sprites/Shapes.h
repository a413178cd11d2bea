#pragma once
// Flat marking shapes in a unit square (x, y in -1 ... 1, y downwards): the
// symbols that tell the ball colours apart without relying on hue.
#include <string>

enum class Marking { Star, Leaf, Drop, Sun, Moon, Heart, Diamond, Flower };

// False when the name is not one of: star leaf drop sun moon heart diamond flower.
bool MarkingFromName(const std::string& name, Marking& marking);
// Signed distance-like value: negative inside the shape, positive outside,
// roughly in the units of the square.
float MarkingDistance(Marking marking, float x, float y);
