#pragma once
// A section: a part of a service with its own directory, style and default page (table
// Sections). Its own key is also its section key; its name is its title.

#include "content/QZVantrelBase.h"
#include "db/CSectionsSet.h"

class QZSection : public QZVantrelBase {
    DECLARE_DYNAMIC(QZSection)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the sections cache.
    QZSection(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service and with that service's style.
    QZSection();
    ~QZSection() override;
    QZSection& operator=(const QZSection& other);

    // (DefaultDocDbID, DefaultDocID), a page key.
    virtual QZKeyCombo GetDefaultDocKey() const;
    void SetDefaultDocKey(LONG dbId, LONG id);
    void SetSectionName(const CString& name);
    void SetSectionTitle(const CString& title);
    void SetDirectory(const CString& directory);

    // The row, for the columns that have no operation of their own.
    CSectionsSet* GetRecordset() const { return RowAs<CSectionsSet>(); }

private:
    // The section's key is its own (DbID, SectionID).
    void BindOwnKeyAsSectionKey();
};
