#include "content/QZVantrelMessage.h"

#include "db/QZRecordsetCaches.h"

IMPLEMENT_DYNAMIC(QZVantrelMessage, QZVantrelTemplate)

namespace {
const QZColumnBinding::Names kColumns{"[MessageID]", "[Title]"};
} // namespace

QZVantrelMessage::QZVantrelMessage(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelTemplate(OBJ_MESSAGE, parent) {
    BindMessageColumns(*LoadRow<CMessagesSet>(key, bOpen, &g_MessagesCache, kColumns));
}

QZVantrelMessage::QZVantrelMessage() : QZVantrelTemplate(OBJ_MESSAGE, nullptr) {
    BindMessageColumns(*AddNewRow<CMessagesSet>(kColumns));
    SetServiceKey(CurrentServiceKey());
}

QZVantrelMessage::~QZVantrelMessage() = default;

QZVantrelMessage& QZVantrelMessage::operator=(const QZVantrelMessage& other) {
    QZVantrelTemplate::operator=(other);
    return *this;
}

void QZVantrelMessage::BindMessageColumns(CMessagesSet& set) {
    m_pText = &set.m_Body;
    m_pParametersExpected = &set.m_Parameters;
    // The message owns, runs and receives the output of its text; nothing of the text that
    // uses it is taken over but its variables.
    m_pParseContext = std::make_unique<QZVantrelMemoFld>(m_pParentContext);
    m_pParseContext->SetMessageOwner(this);
    m_pParseContext->SetRunOwner(this);
    m_pParseContext->SetMessageTarget(this);
    if (m_bEditable)
        m_pParseContext->SetMode(QZVantrelContext::MODE_FIRST);
}

int QZVantrelMessage::Compile() {
    m_nStatementCount = 0;
    m_output[0].Empty();
    m_nOutputPart = 0;
    CompileText();
    return 1;
}

void QZVantrelMessage::AppendOutput(const CString& text) {
    if (m_nOutputPart >= 0 && m_nOutputPart < kOutputParts)
        m_output[m_nOutputPart] += text;
}

CString QZVantrelMessage::GetOutput(int part) const {
    return part >= 0 && part < kOutputParts ? m_output[part] : CString();
}
