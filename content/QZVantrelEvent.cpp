#include "content/QZVantrelEvent.h"

#include "content/QZService.h"
#include "content/QZTemplateText.h"
#include "db/QZRecordsetCaches.h"

IMPLEMENT_DYNAMIC(QZVantrelEvent, QZVantrelTemplate)

namespace {
const QZColumnBinding::Names kColumns{"[EventID]", "[Title]"};
} // namespace

QZVantrelEvent::QZVantrelEvent(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelTemplate(OBJ_EVENT, parent) {
    BindEventColumns(*LoadRow<CEventsSet>(key, bOpen, &g_EventsCache, kColumns));
}

QZVantrelEvent::QZVantrelEvent() : QZVantrelTemplate(OBJ_EVENT, nullptr) {
    BindEventColumns(*AddNewRow<CEventsSet>(kColumns));
    SetServiceKey(CurrentServiceKey());
}

QZVantrelEvent::~QZVantrelEvent() = default;

QZVantrelEvent& QZVantrelEvent::operator=(const QZVantrelEvent& other) {
    QZVantrelTemplate::operator=(other);
    return *this;
}

void QZVantrelEvent::BindEventColumns(CEventsSet& set) {
    BindTemplateColumns(set);
    // Whoever built it, the event writes for itself.
    m_pParseContext->SetRunOwner(this);
}

int QZVantrelEvent::RunAction() {
    m_bReturnedPage = FALSE;
    m_pParseContext->SetMode(QZVantrelContext::MODE_GENERATE);
    try {
        LoadService();
        QZTemplateText::DefineRequestVariables(*m_pParseContext->GetSymbolTable(),
                                               GetService()->GetRecordset()->m_WebMasterEmail);
        m_pParseContext->Parse(CString(GetText()));
        m_pParseContext->Execute();
    } catch (...) {
        m_pParseContext->SetMode(QZVantrelContext::MODE_PLAIN);
        ReleaseRunObjects();
        throw;
    }
    m_pParseContext->SetMode(QZVantrelContext::MODE_PLAIN);
    ReleaseRunObjects();
    return 1;
}
