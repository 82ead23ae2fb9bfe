#pragma once
// Bounds the turns of a template loop: it may turn while the generation's run count is within
// the run owner's limit, so the limit holds for the whole generation and not per loop. A loop
// run without an owner (nothing counts its runs) counts its own turns against the same limit.

#include "template/parser/QZTemplateRunOwner.h"

class QZRunLimit {
public:
    explicit QZRunLimit(const QZTemplateRunOwner* owner) : m_pOwner(owner) {}

    // True while one more turn is allowed.
    BOOL AllowsTurn() {
        if (m_pOwner != nullptr)
            return !m_pOwner->IsOverRunLimit();
        return ++m_nTurns <= QZTemplateRunOwner::kRunLimit;
    }

private:
    const QZTemplateRunOwner* m_pOwner;
    LONG m_nTurns = 0;
};
