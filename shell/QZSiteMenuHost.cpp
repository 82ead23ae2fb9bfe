#include "shell/QZSiteMenuHost.h"

namespace {

QZSiteMenuHost* g_pHost = nullptr;

} // namespace

QZSiteMenuHost* SetSiteMenuHost(QZSiteMenuHost* host) {
    QZSiteMenuHost* previous = g_pHost;
    g_pHost = host;
    return previous;
}

QZSiteMenuHost* GetSiteMenuHost() {
    return g_pHost;
}

void RefreshObjectTree(SHORT objectType, const QZKeyCombo& key) {
    if (g_pHost)
        g_pHost->RefreshObjectTree(objectType, key);
}
