#include "platform/ui/ProgressRange.h"

#include <algorithm>

void ProgressRange::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_pos = Clamp(m_pos);
}

int ProgressRange::SetPos(int pos) {
    const int previous = m_pos;
    m_pos = Clamp(pos);
    return previous;
}

int ProgressRange::SetStep(int step) {
    const int previous = m_step;
    m_step = step;
    return previous;
}

int ProgressRange::StepIt() {
    const int previous = m_pos;
    int next = m_pos + m_step;
    if (next > m_upper)
        next = m_lower + (next - m_upper);
    else if (next < m_lower)
        next = m_upper - (m_lower - next);
    m_pos = Clamp(next);
    return previous;
}

int ProgressRange::Clamp(int pos) const {
    // A range given upside down still holds the position between its two bounds.
    return std::clamp(pos, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}
