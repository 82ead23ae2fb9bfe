#pragma once
// The settings of one of a service's two sites, development or production: where its tree
// starts, whether it is an FTP site (whose paths take "/") or a local directory ("\"), and the
// FTP server and log-in.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CServicesSet;
class QZFileDestination;

struct QZSiteSettings {
    CString root;
    CString separator;
    BOOL ftp = FALSE;
    CString host;
    CString user;
    CString password;

    static QZSiteSettings Development(const CServicesSet& service);
    static QZSiteSettings Production(const CServicesSet& service);
    // The production site while the open site database's production-output switch is on,
    // else the development site.
    static QZSiteSettings ForOutput(const CServicesSet& service);

    // The file at `path` on this site.
    QZFileDestination Destination(const CString& path) const;
};
