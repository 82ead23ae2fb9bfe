#include "db/CActiveXSet.h"

IMPLEMENT_DYNAMIC(CActiveXSet, QZRecordset)

CActiveXSet::CActiveXSet(CDaoDatabase* database) : QZTableSet(database) {}

CActiveXSet::~CActiveXSet() = default;

const QZTableDef<CActiveXSet>& CActiveXSet::TableDef() {
    using S = CActiveXSet;
    static const QZTableDef<S> def{
        .table = "MQ_ActiveX",
        .objectType = OBJ_ACTIVEX,
        .keyQuery = "MQ_GetActiveXByDbID_ObjectID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_ObjectID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[ObjectID]", &S::m_ObjectID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[ClassID]", &S::m_ClassID},
                {"[Name]", &S::m_Name},
                {"[Title]", &S::m_Title},
                {"[Data]", &S::m_Data},
                {"[DataType]", &S::m_DataType},
                {"[Border]", &S::m_Border},
                {"[Height]", &S::m_Height},
                {"[Width]", &S::m_Width},
                {"[HSpace]", &S::m_HSpace},
                {"[VSpace]", &S::m_VSpace},
                {"[NoTab]", &S::m_NoTab},
                {"[Shapes]", &S::m_Shapes},
                {"[StandBy]", &S::m_StandBy},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[VersionPublished]", &S::m_VersionPublished},
                {"[Deleted]", &S::m_Deleted},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
            },
    };
    return def;
}
