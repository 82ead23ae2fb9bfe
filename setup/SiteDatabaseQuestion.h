#pragma once
// Asks for the site database as an installer would, through the setup extension's GetCPU: the
// table offers the database the settings name (or the default one) and its folder; a file that
// does not open as a site database is reported with the program's own text and the question is
// asked again, from that file; a site database that opens is written to the settings. The
// extension answers only through VANTREL_DIR, so a path that comes back as it was offered means
// that nothing was chosen, and nothing is written.

#include "platform/core/CString.h"

class SetupExtension;

class SiteDatabaseQuestion {
public:
    enum Outcome { Chosen, NothingChosen, Failed };

    explicit SiteDatabaseQuestion(const SetupExtension& extension) : m_extension(extension) {}

    // Asks until a site database is chosen or nothing is; *chosen is the chosen file, *error
    // says why the settings could not be written (Failed).
    Outcome Ask(CString* chosen, CString* error);

private:
    // One GetCPU call: the path that VANTREL_DIR holds afterwards and the one it was given.
    void AskOnce(const CString& offered, CString* answer, CString* given) const;

    const SetupExtension& m_extension;
};
