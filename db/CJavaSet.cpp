#include "db/CJavaSet.h"

IMPLEMENT_DYNAMIC(CJavaSet, QZRecordset)

CJavaSet::CJavaSet(CDaoDatabase* database) : QZTableSet(database) {}

CJavaSet::~CJavaSet() = default;

const QZTableDef<CJavaSet>& CJavaSet::TableDef() {
    using S = CJavaSet;
    static const QZTableDef<S> def{
        .table = "MQ_Java",
        .objectType = OBJ_JAVA,
        .keyQuery = "MQ_GetJavaByDbID_JavaID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_JavaID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[JavaID]", &S::m_JavaID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[Directory]", &S::m_Directory},
                {"[Title]", &S::m_Title},
                {"[Code]", &S::m_Code},
                {"[AlternateText]", &S::m_AlternateText},
                {"[Height]", &S::m_Height},
                {"[Width]", &S::m_Width},
                {"[HSpace]", &S::m_HSpace},
                {"[VSpace]", &S::m_VSpace},
                {"[Download]", &S::m_Download},
                {"[CodeBase]", &S::m_CodeBase},
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
