#include "content/QZRandomGenerator.h"

void QZRandomGenerator::Seed(unsigned int seed) {
    m_state = seed;
}

int QZRandomGenerator::Draw() {
    // The C standard's own example generator; unsigned arithmetic wraps at 32 bits.
    m_state = m_state * 1103515245u + 12345u;
    return static_cast<int>((m_state / 65536u) % 32768u);
}
