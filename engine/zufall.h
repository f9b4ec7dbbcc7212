#pragma once

#include <cstdint>

// A source of uniformly distributed integers. Generation, preparation and
// the score code draw from one of these; tests inject scripted ones.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    // A uniformly distributed integer in 0 .. n - 1 (n >= 1).
    virtual int32_t ziehe(int32_t n) = 0;
    // Starts the sequence anew from a seed.
    virtual void saeen(uint64_t saat) = 0;
};

// The program's generator: xoshiro128++, a few nanoseconds a draw, with
// Lemire's unbiased bounded draws. Seeded through splitmix64.
class Zufallsgenerator final : public Zufallsquelle {
public:
    explicit Zufallsgenerator(uint64_t saat = 0) { saeen(saat); }
    int32_t ziehe(int32_t n) override;
    void saeen(uint64_t saat) override;
    uint32_t naechste();

private:
    uint32_t s_[4]{};
};

// A seed taken from the clock, different on every call.
uint64_t uhrSaat();
