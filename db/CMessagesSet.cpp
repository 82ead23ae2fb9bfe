#include "db/CMessagesSet.h"

IMPLEMENT_DYNAMIC(CMessagesSet, QZRecordset)

CMessagesSet::CMessagesSet(CDaoDatabase* database) : QZTableSet(database) {}

CMessagesSet::~CMessagesSet() = default;

const QZTableDef<CMessagesSet>& CMessagesSet::TableDef() {
    using S = CMessagesSet;
    static const QZTableDef<S> def{
        .table = "Messages",
        .objectType = OBJ_MESSAGE,
        .keyQuery = "MQ_GetMessageByDbID_MessageID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_MessageID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[MessageID]", &S::m_MessageID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[Body]", &S::m_Body},
                {"[Title]", &S::m_Title},
                {"[ToLine]", &S::m_ToLine},
                {"[CcLine]", &S::m_CcLine},
                {"[SubjectLine]", &S::m_SubjectLine},
                {"[FromLine]", &S::m_FromLine},
                {"[ReplyTo]", &S::m_ReplyTo},
                {"[Parameters]", &S::m_Parameters},
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

void CMessagesSet::SetNewRowDefaults() {
    m_Body = "\r\n//Email message text and Marquill commands.";
    m_Title = "New Email";
}
