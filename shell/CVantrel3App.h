#pragma once
// The one application object: it owns the site database for the whole run and the key of the
// logged-in user. Every subsystem reaches it through GetVantrelApp.

#include "db/CVantrelDb.h"
#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"

class CVantrel3App : public CObject {
public:
    // Builds the site database object on its default path and makes this the current
    // application object; one at a time.
    CVantrel3App();
    ~CVantrel3App() override;
    CVantrel3App(const CVantrel3App&) = delete;
    CVantrel3App& operator=(const CVantrel3App&) = delete;

    // The DbID of the open site database; 0 before its version row has been read.
    LONG GetDbID();
    // The logged-in user's key, the member itself.
    QZKeyCombo& GetUserKey() { return m_UserKey; }

    CVantrelDb m_VantrelDb;

private:
    QZKeyCombo m_UserKey;
};

// The current application object; null when there is none.
CVantrel3App* GetVantrelApp();
