#pragma once
// The one application object: it owns the site database for the whole run, the key of the
// logged-in user, the selected service and section and the preference flags, and answers the
// lower layers through QZApplication.

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
    QZKeyCombo& GetCurrentServiceKey() override { return m_SelectedService; }
    QZKeyCombo& GetCurrentSectionKey() override { return m_SelectedSection; }
    const CString& GetCGIAppRelPath() override { return m_strCGIAppRelPath; }
    BOOL IsVerboseMessages() override { return m_bVerboseMessages; }
    void PostEngineMessage(QZEngineMessage* message) override;
    const CString& GetVantrelRoot() override { return m_strVantrelRoot; }
    // The component root set last, else the program's root folder.
    CString GetDatabaseRoot() override {
        return m_strDatabaseRoot.IsEmpty() ? m_strVantrelRoot : m_strDatabaseRoot;
    }
    void SetDatabaseRoot(const CString& root) { m_strDatabaseRoot = root; }

    CVantrelDb m_VantrelDb;
    // The program's root directory ("VantrelRoot"), as the settings give it.
    CString m_strVantrelRoot = "C:\\Marquill";
    // The component root ("VantrelDatabaseRoot").
    CString m_strDatabaseRoot;
    // The detailed-messages preference ("Verbose Messages"); off until the settings say more.
    BOOL m_bVerboseMessages = FALSE;
    // The interpreter's path on the web server ("CGIAppRelPath").
    CString m_strCGIAppRelPath = "/CGI-BIN/";

private:
    QZKeyCombo m_UserKey;
    QZKeyCombo m_SelectedService;
    QZKeyCombo m_SelectedSection;
};
