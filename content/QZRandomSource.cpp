#include "content/QZRandomSource.h"

#include "content/QZRandomGenerator.h"
#include "platform/core/ReplaceableService.h"

namespace {
ReplaceableService<QZRandomSource, QZRandomGenerator> g_source;
} // namespace

QZRandomSource* SetRandomSource(QZRandomSource* source) {
    return g_source.Replace(source);
}

QZRandomSource& GetRandomSource() {
    return g_source.Get();
}
