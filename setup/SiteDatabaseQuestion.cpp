#include "setup/SiteDatabaseQuestion.h"

#include "db/CVantrelDb.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "res/Resource.h"
#include "setup/SetupExtension.h"
#include "setup/SetupTable.h"
#include "shell/SiteDatabaseSettings.h"

SiteDatabaseQuestion::Outcome SiteDatabaseQuestion::Ask(CString* chosen, CString* error) {
    const CString stored = SiteDatabaseSettings::ReadDatabase();
    CString offered = stored.IsEmpty() ? CVantrelDb::DefaultPath() : MapWindowsPath(stored);
    for (;;) {
        CString answer, given;
        AskOnce(offered, &answer, &given);
        if (answer == given)
            return NothingChosen;
        if (SiteDatabaseSettings::IsSiteDatabase(answer)) {
            *chosen = answer;
            return SiteDatabaseSettings::WriteDatabase(answer, error) ? Chosen : Failed;
        }
        CString text;
        text.Format(IDS_INVALID_DATABASE, static_cast<LPCTSTR>(answer));
        AfxMessageBox(text, MB_OK | MB_ICONQUESTION);
        offered = answer;
    }
}

void SiteDatabaseQuestion::AskOnce(const CString& offered, CString* answer, CString* given) const {
    SetupTable table;
    table.Add("VANTREL_DIR", offered);
    table.Add("DATA_DIR", SiteDatabaseSettings::RootOf(offered));
    *given = table.Value("VANTREL_DIR");
    m_extension.GetCPU(table.Get());
    *answer = table.Value("VANTREL_DIR");
}
