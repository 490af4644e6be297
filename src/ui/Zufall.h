#pragma once
// The program's one pseudo-random source. Shuffling, sort keys, log prefixes and
// random navigation all draw from it, so tests can seed it and get repeatable runs.

#include <cstdint>
#include <random>

class Zufall {
public:
    Zufall();  // seeded from the clock
    explicit Zufall(std::uint64_t saat);

    void setzeSaat(std::uint64_t saat);
    // A fresh number in [0, 1), like the classic Rnd.
    double naechste();

private:
    std::mt19937_64 m_gen;
    std::uniform_real_distribution<double> m_vert{0.0, 1.0};
};
