#pragma once
// The recordset of the table Authors: the people who may log in and whose keys stand in the
// change, generate and publish stamps of the content tables. Found by key or by name.

#include "db/QZBookkeepingSet.h"
#include "db/QZColumn.h"

class CAuthorsSet : public QZBookkeepingSet {
    DECLARE_DYNAMIC(CAuthorsSet)
public:
    explicit CAuthorsSet(CDaoDatabase* database);
    ~CAuthorsSet() override;

    static const std::vector<QZColumn<CAuthorsSet>>& Columns();

    // Adds a row carrying the open site database's DbID, writes it so that it is numbered, and
    // leaves it current in edit mode for the caller to fill and save. Returns 1; engine errors
    // pass on.
    virtual int AddNewRecord(int flag);
    // (DbID, AuthorID) in the set's one key; its type stays 2.
    virtual QZKeyCombo& GetKey();
    CString GetTableName() override;

    // With MQ_GetAuthorByDbID_AuthorID: 1 (also when no row matched), 2 when the rows are
    // held by another connection.
    int OpenByKey(const QZKeyCombo& key, CString queryName, int edit);
    // The authors of that exact name (the name is a parameter). Returns 1; engine errors pass
    // on.
    int OpenByName(CString name, int edit);
    // Writes a pending row and makes it current, in edit mode again when reEdit is set.
    // Returns 1; engine errors pass on.
    int SaveRecord(int reEdit);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_AuthorID = 0;
    LONG m_DbID = 0;
    CString m_AuthorName;
    CString m_AuthorPassword;
    BYTE m_Active = 0;
    BYTE m_Deleted = 0;

private:
    QZKeyCombo m_Key;
};
