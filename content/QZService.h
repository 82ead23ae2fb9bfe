#pragma once
// A service: one web site with its directories, data databases, FTP settings and webmaster
// address (table Services). Its own key is also its service key.

#include "content/QZVantrelBase.h"
#include "db/CServicesSet.h"

class QZService : public QZVantrelBase {
    DECLARE_DYNAMIC(QZService)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the services cache.
    QZService(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed; it takes no key from the application's selection.
    QZService();
    ~QZService() override;
    QZService& operator=(const QZService& other);

    void SetDirectory(const CString& directory);
    void SetDevelopPath(const CString& path);

    // The row, for the columns that have no operation of their own.
    CServicesSet* GetRecordset() const { return RowAs<CServicesSet>(); }

private:
    // The service's key is its own (DbID, ServiceID).
    void BindOwnKeyAsServiceKey();
};
