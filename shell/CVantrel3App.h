#pragma once
// The one application object: it owns the site database for the whole run and the key of the
// logged-in user, and answers the lower layers through QZApplication.

#include "db/CVantrelDb.h"
#include "db/QZApplication.h"
#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"

class CVantrel3App : public CObject, public QZApplication {
public:
    // Builds the site database object on its default path and makes this the current
    // application object; one at a time.
    CVantrel3App();
    ~CVantrel3App() override;
    CVantrel3App(const CVantrel3App&) = delete;
    CVantrel3App& operator=(const CVantrel3App&) = delete;

    CVantrelDb& GetVantrelDb() override { return m_VantrelDb; }
    LONG GetDbID() override;
    QZKeyCombo& GetUserKey() override { return m_UserKey; }

    CVantrelDb m_VantrelDb;

private:
    QZKeyCombo m_UserKey;
};
