#pragma once
// Helpers of the database layer's tests: the error number an action raises, a sample table
// "People" with a recordset class bound to it, and a forked helper process.

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoRecordset.h"

#include <functional>
#include <string>

// The DAO error number that `action` raised (its first error), 0 when it raised none.
LONG DaoErrorOf(const std::function<void()>& action);
// The text of the DAO error that `action` raised, empty when none.
std::string DaoErrorTextOf(const std::function<void()>& action);

// Makes the table People: DbID Long, PersonID Long (auto-numbered when asked), Name Text 20
// default "Nobody", Age Integer, Flag Byte required default 0, Born Date, Notes Memo; primary
// key PK_People on DbID, PersonID.
void CreatePeopleTable(CDaoDatabase& database, bool autoNumber);

// A new database file at `path` with the People table, closed again.
void CreatePeopleDatabase(const std::string& path, bool autoNumber);

class PeopleSet : public CDaoRecordset {
public:
    explicit PeopleSet(CDaoDatabase* database);
    void DoFieldExchange(CDaoFieldExchange* pFX) override;
    CString GetDefaultSQL() override { return "[People]"; }

    LONG m_DbID = 0;
    LONG m_PersonID = 0;
    CString m_Name;
    short m_Age = 0;
    BYTE m_Flag = 0;
    COleDateTime m_Born;
    CString m_Notes;
};
