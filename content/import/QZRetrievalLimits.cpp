#include "content/import/QZRetrievalLimits.h"

namespace {
QZRetrievalLimits& Limits() {
    static QZRetrievalLimits limits;
    return limits;
}
} // namespace

const QZRetrievalLimits& QZRetrievalLimits::Current() {
    return Limits();
}

QZRetrievalLimits SetRetrievalLimits(const QZRetrievalLimits& limits) {
    QZRetrievalLimits old = Limits();
    Limits() = limits;
    return old;
}
