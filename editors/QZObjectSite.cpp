#include "editors/QZObjectSite.h"

#include "content/QZVantrelBase.h"
#include "db/QZApplication.h"

QZKeyCombo SiteOrSelected(const QZVantrelBase& object) {
    const QZKeyCombo site = object.GetServiceKey();
    if (site.m_KeyID > 0)
        return site;
    QZApplication* app = GetVantrelApp();
    return app ? app->GetCurrentServiceKey() : site;
}
