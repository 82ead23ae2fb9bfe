#pragma once
// The program's own pseudo-random generator: a 32-bit linear congruential sequence that gives
// the same numbers from the same seed on every system, whatever its C library does.

#include "content/QZRandomSource.h"

#include <cstdint>

class QZRandomGenerator : public QZRandomSource {
public:
    // Seeded with 1, as the C library's generator starts.
    QZRandomGenerator() = default;

    void Seed(unsigned int seed) override;
    int Draw() override;

private:
    uint32_t m_state = 1;
};
