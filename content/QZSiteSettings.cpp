#include "content/QZSiteSettings.h"

#include "content/QZFileDestination.h"
#include "db/CServicesSet.h"
#include "db/QZApplication.h"

namespace {
CString SeparatorFor(BOOL ftp) {
    return ftp ? "/" : "\\";
}
} // namespace

QZSiteSettings QZSiteSettings::Development(const CServicesSet& service) {
    QZSiteSettings site;
    site.root = service.m_DevelopPath;
    site.ftp = service.m_DevelopmentUse_ftp != 0;
    site.separator = SeparatorFor(site.ftp);
    site.host = service.m_Development_ftp_Address;
    site.user = service.m_Development_ftp_User;
    site.password = service.m_Development_ftp_Password;
    return site;
}

QZSiteSettings QZSiteSettings::Production(const CServicesSet& service) {
    QZSiteSettings site;
    site.root = service.m_ProductionPath;
    site.ftp = service.m_ProductionUse_ftp != 0;
    site.separator = SeparatorFor(site.ftp);
    site.host = service.m_Production_ftp_Address;
    site.user = service.m_Production_ftp_User;
    site.password = service.m_Production_ftp_Password;
    return site;
}

QZSiteSettings QZSiteSettings::ForOutput(const CServicesSet& service) {
    QZApplication* app = GetVantrelApp();
    // Every setting follows the switch: a production root with the development FTP server
    // would write the production tree onto the wrong host.
    if (app != nullptr && app->GetVantrelDb().GetProductionOutput())
        return Production(service);
    return Development(service);
}

QZFileDestination QZSiteSettings::Destination(const CString& path) const {
    return ftp ? QZFileDestination(path, host, user, password) : QZFileDestination(path);
}
