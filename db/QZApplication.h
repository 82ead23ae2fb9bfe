#pragma once
// What the layers below the shell need of the application object: the open site database, its
// DbID and the logged-in user. The database layer is the lowest that needs it, so the interface
// is declared here and the shell's CVantrel3App implements it; db/, template/ and content/ reach
// the application through GetVantrelApp() and never include the shell. Later layers add what they
// read to this interface rather than reaching up.

#include "db/CVantrelDb.h"
#include "db/QZKeyCombo.h"
#include "platform/core/Types.h"

class QZEngineMessage;

class QZApplication {
public:
    virtual ~QZApplication() = default;

    // The site database the application keeps open for the whole run.
    virtual CVantrelDb& GetVantrelDb() = 0;
    // The DbID of the open site database; 0 before its version row has been read.
    virtual LONG GetDbID() = 0;
    // The logged-in user's key, the member itself.
    virtual QZKeyCombo& GetUserKey() = 0;
    // The service and the section the user works on, the members themselves; new objects
    // take them.
    virtual QZKeyCombo& GetCurrentServiceKey() = 0;
    virtual QZKeyCombo& GetCurrentSectionKey() = 0;
    // The web server's path to the server-side interpreter program, put in front of its name
    // in links ("/CGI-BIN/" unless the settings say otherwise).
    virtual const CString& GetCGIAppRelPath() = 0;
    // TRUE while the detailed-messages preference is on.
    virtual BOOL IsVerboseMessages() = 0;
    // Takes over one log line made with new: a detail line (kind 3) is dropped unless the
    // detailed-messages preference is on; every other line goes to the engine-message sink.
    virtual void PostEngineMessage(QZEngineMessage* message) = 0;
    // The program's root directory ("VantrelRoot"), as the settings give it: where remote
    // publishing makes its transfer database.
    virtual const CString& GetVantrelRoot() = 0;
    // The component root (setting "VantrelDatabaseRoot"), whose Components folder holds the
    // registered component packages, as stored text.
    virtual CString GetDatabaseRoot() = 0;
};

// The current application object; null when there is none.
QZApplication* GetVantrelApp();
// Makes app the current application object (null for none). The application object calls it
// as it is built and destroyed; one at a time.
void SetVantrelApp(QZApplication* app);
