#pragma once
// The main window as the site commands and the preferences see it: whether editors are open,
// and what it was asked ("close all", "tree <type>", "site", "reload"), in order. Installed for
// its lifetime. Header only.

#include "shell/QZSiteMenuHost.h"

#include <string>
#include <vector>

class RecordingSiteMenuHost : public QZSiteMenuHost {
public:
    RecordingSiteMenuHost() { m_previous = SetSiteMenuHost(this); }
    ~RecordingSiteMenuHost() override { SetSiteMenuHost(m_previous); }

    BOOL HasOpenDocuments() override { return openDocuments; }
    // Closing fails while `keepOpen` holds (an editor refused).
    BOOL SaveAndCloseAll() override {
        calls.push_back("close all");
        openDocuments = keepOpen;
        return !keepOpen;
    }
    void RefreshObjectTree(SHORT objectType, const QZKeyCombo&) override {
        calls.push_back("tree " + std::to_string(objectType));
    }
    void RefreshSelectedSite() override { calls.push_back("site"); }
    void ReloadSiteViewer() override { calls.push_back("reload"); }

    BOOL openDocuments = FALSE;
    BOOL keepOpen = FALSE;
    std::vector<std::string> calls;

private:
    QZSiteMenuHost* m_previous;
};
