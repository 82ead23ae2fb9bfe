#include "content/QZRandomSource.h"

#include "content/QZRandomGenerator.h"

namespace {
QZRandomGenerator g_generator;
QZRandomSource* g_source = &g_generator;
} // namespace

QZRandomSource* SetRandomSource(QZRandomSource* source) {
    QZRandomSource* previous = g_source;
    g_source = source ? source : &g_generator;
    return previous == &g_generator ? nullptr : previous;
}

QZRandomSource& GetRandomSource() {
    return *g_source;
}
