#pragma once
// The base of the read-only recordsets that run one stored list query and turn each row
// (DbID, name, id) into a named key of the class's object type, appended to a new list that
// the caller owns. A subclass names its columns and type; the base binds, opens and fills.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"

#include <memory>

// The columns a list set binds by name, and the object type of its items.
struct QZListColumns {
    const char* name;       // "[Title]"
    const char* id;         // "[DocID]"
    SHORT objectType;       // of every item, unless typeColumn is given
    const char* typeColumn; // "[ObjectType]" where each row names its own type, else nullptr
};

class QZBaseListSet : public CDaoRecordset {
    DECLARE_DYNAMIC(QZBaseListSet)
public:
    // A set that binds nothing and lists nothing.
    explicit QZBaseListSet(CDaoDatabase* database);
    ~QZBaseListSet() override;

    // Runs a list query under a parent key (parameters DbID, KeyID, show-deleted) and returns
    // a new list of its rows in the query's order. Engine errors pass on; no list is left then.
    QZNameAndKeyList* OpenList(const QZKeyCombo& parent, CString queryName, BOOL showDeleted);
    // The same for a query whose only parameter is the show-deleted flag.
    QZNameAndKeyList* OpenList(CString queryName, BOOL showDeleted);

    int PrepareQuery(CString queryName);
    // Parameter 0 the key's DbID, 1 its KeyID (32-bit), 2 the flag's low byte. Returns 1.
    int SetListParameters(const QZKeyCombo& parent, BOOL showDeleted);
    // Parameter 0 the flag's low byte. Returns 1.
    int SetShowDeletedParameter(BOOL showDeleted);

    virtual QZKeyCombo* GetKey();
    virtual CString GetTableName();
    // Appends one item per row from the current row to the end.
    virtual void FillList(QZNameAndKeyList* list);

    CString GetDefaultDBName() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_DbID = 0;
    CString m_Name;
    LONG m_ID = 0;
    LONG m_ObjectType = 0;

protected:
    QZBaseListSet(CDaoDatabase* database, const QZListColumns& columns);

private:
    // Opens the set on the prepared query and fills a new list.
    QZNameAndKeyList* OpenAndFill();

    bool IsBound() const { return m_Columns.name != nullptr; }

    std::unique_ptr<CDaoQueryDef> m_pQuery;
    QZKeyCombo m_Key;
    QZListColumns m_Columns; // all null in the bare base
};
