#pragma once
// The program's random generator: additive lagged Fibonacci over 30-bit words.
// Every random choice of the game goes through it, so a seed and a sequence of
// inputs replay a game exactly.

#include <cstdint>

class Random {
public:
    Random();  // seeded with 1; the application reseeds from the clock or --seed
    virtual ~Random() = default;

    void Seed(int32_t value);
    int32_t Raw();  // 24-bit value
    // [0, |n|); negative n or randomSign: negated on a further coin flip. 0 for n == 0.
    int32_t Next(int32_t n, bool randomSign = false);
    // 0 .. 1 inclusive in steps of 0.00001.
    float NextFloat(bool randomSign = false);
    float NextFloatRange(float range, bool randomSign = false);

    // For save records and tests.
    int32_t StateWord(int32_t index) const { return mState[index]; }

private:
    static constexpr int32_t kWords = 55;
    static constexpr int32_t kMask = 0x3FFFFFFF;
    int32_t mJ = 0;
    int32_t mK = 31;
    int32_t mState[kWords] = {};
};

// The process-wide generator.
Random& GetRandom();
