#pragma once
// What the Site menu's commands and dialogs ask of the main window: whether editors are open,
// saving and closing them all, and refreshing the site browser. The main frame installs
// itself as the host; without one (tests, a run before the main window) there are no open
// editors and nothing to refresh.

#include "db/QZKeyCombo.h"
#include "platform/core/Types.h"

class QZSiteMenuHost {
public:
    virtual ~QZSiteMenuHost() = default;

    // TRUE while at least one editor document is open.
    virtual BOOL HasOpenDocuments() = 0;
    // Saves and closes every editor; FALSE when one of them stayed open.
    virtual BOOL SaveAndCloseAll() = 0;
    // Refreshes the site browser's tree of the object type (key: the object, or empty).
    virtual void RefreshObjectTree(SHORT objectType, const QZKeyCombo& key) = 0;
    // Shows the application's selected site anew in the site browser.
    virtual void RefreshSelectedSite() = 0;
    // Reads the list of sites again (another site database was opened).
    virtual void ReloadSiteViewer() {}
};

// Installs the host (not owned; nullptr for none) and returns the one it replaces.
QZSiteMenuHost* SetSiteMenuHost(QZSiteMenuHost* host);
QZSiteMenuHost* GetSiteMenuHost();
// The host's refresh, when there is a host.
void RefreshObjectTree(SHORT objectType, const QZKeyCombo& key);
