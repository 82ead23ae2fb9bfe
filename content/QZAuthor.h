#pragma once
// An author: a user of the system (table Authors), found by key or by name. The object only
// reads the row; authors are written through their recordset.

#include "content/QZVantrelBase.h"
#include "db/CAuthorsSet.h"

#include <memory>

class QZAuthor : public QZVantrelBase {
    DECLARE_DYNAMIC(QZAuthor)
public:
    // The author of the key; with bOpen the row is put into edit mode.
    QZAuthor(const QZKeyCombo& key, BOOL bOpen);
    // The first author of exactly that name (any characters, quotes included).
    QZAuthor(const CString& name, BOOL bOpen);
    // Writes back a row left in edit mode and closes the recordset.
    ~QZAuthor() override;

    // An author has no publish flags and no deleted mark.
    BOOL GetNeverPublishFlag() const override { return FALSE; }
    BOOL IsDeleted() const override { return FALSE; }

    CAuthorsSet* GetRecordset() const { return m_pAuthors.get(); }

private:
    // Binds the key and name once the recordset is on its row; puts it into edit mode when
    // asked.
    void TakeRow(BOOL bOpen);

    std::unique_ptr<CAuthorsSet> m_pAuthors;
};
