#include "db/CServicesSet.h"

IMPLEMENT_DYNAMIC(CServicesSet, QZRecordset)

CServicesSet::CServicesSet(CDaoDatabase* database) : QZTableSet(database) {}

CServicesSet::~CServicesSet() = default;

const QZTableDef<CServicesSet>& CServicesSet::TableDef() {
    using S = CServicesSet;
    static const QZTableDef<S> def{
        .table = "Services",
        .objectType = OBJ_SERVICE,
        .keyQuery = "MQ_GetServiceByDbID_ServiceID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_ServiceID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[StyleDbID]", &S::m_StyleDbID},
                {"[StyleID]", &S::m_StyleID},
                {"[Name]", &S::m_Name},
                {"[ClientsDb]", &S::m_ClientsDb},
                {"[ClientsProdDb]", &S::m_ClientsProdDb},
                {"[ProductionPath]", &S::m_ProductionPath},
                {"[ProductionAlias]", &S::m_ProductionAlias},
                {"[DevelopPath]", &S::m_DevelopPath},
                {"[DevelopAlias]", &S::m_DevelopAlias},
                {"[WebMasterEmail]", &S::m_WebMasterEmail},
                {"[Production_ftp_Address]", &S::m_Production_ftp_Address},
                {"[Production_ftp_User]", &S::m_Production_ftp_User},
                {"[Production_ftp_Password]", &S::m_Production_ftp_Password},
                {"[Development_ftp_Address]", &S::m_Development_ftp_Address},
                {"[Development_ftp_User]", &S::m_Development_ftp_User},
                {"[Development_ftp_Password]", &S::m_Development_ftp_Password},
                {"[LastChanged]", &S::m_LastChanged},
                {"[Deleted]", &S::m_Deleted},
                {"[LastPublished]", &S::m_LastPublished},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[ProductionUse_ftp]", &S::m_ProductionUse_ftp},
                {"[DevelopmentUse_ftp]", &S::m_DevelopmentUse_ftp},
                {"[Directory]", &S::m_Directory},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[ProductionDatabasePath]", &S::m_ProductionDatabasePath},
                {"[ProductionDomainName]", &S::m_ProductionDomainName},
                {"[ftpDocRoot]", &S::m_ftpDocRoot},
                {"[RemoteRoot]", &S::m_RemoteRoot},
            },
    };
    return def;
}

void CServicesSet::SetNewRowDefaults() {
    m_ClientsProdDb.Empty();
}
