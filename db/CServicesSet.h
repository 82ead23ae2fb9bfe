#pragma once
// The row of a service, one web site (table Services): its directories, databases and FTP
// settings. The production FTP password is stored scrambled and read as plain text.

#include "db/QZTableSet.h"

class CServicesSet : public QZTableSet<CServicesSet> {
    DECLARE_DYNAMIC(CServicesSet)
public:
    explicit CServicesSet(CDaoDatabase* database);
    ~CServicesSet() override;
    CServicesSet& operator=(const CServicesSet& other) { return Assign(other); }

    static const QZTableDef<CServicesSet>& TableDef();

    LONG m_DbID = 0;
    LONG m_ServiceID = 0;
    LONG m_StyleDbID = 0;
    LONG m_StyleID = 0;
    CString m_Name;
    CString m_ClientsDb;
    CString m_ClientsProdDb;
    CString m_ProductionPath;
    CString m_ProductionAlias;
    CString m_DevelopPath;
    CString m_DevelopAlias;
    CString m_WebMasterEmail;
    CString m_Production_ftp_Address;
    CString m_Production_ftp_User;
    QZScrambledText m_Production_ftp_Password; // plain text; the column holds it scrambled
    CString m_Development_ftp_Address;
    CString m_Development_ftp_User;
    CString m_Development_ftp_Password;
    COleDateTime m_LastChanged;
    BYTE m_Deleted = 0;
    COleDateTime m_LastPublished;
    LONG m_WhoChanged = 0;
    LONG m_WhoPublished = 0;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    BYTE m_ProductionUse_ftp = 0;
    BYTE m_DevelopmentUse_ftp = 0;
    CString m_Directory;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_AuthorChangedDbID = 0;
    CString m_ProductionDatabasePath;
    CString m_ProductionDomainName;
    CString m_ftpDocRoot;
    CString m_RemoteRoot;

protected:
    void SetNewRowDefaults() override;
};
