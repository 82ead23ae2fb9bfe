#include "content/QZVantrelForm.h"

#include "content/QZService.h"
#include "content/QZTemplateText.h"
#include "db/QZRecordsetCaches.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZVantrelForm, QZVantrelTemplate)

namespace {
const QZColumnBinding::Names kColumns{"[FormID]", "[Title]"};

// Sets a flag for as long as it lives.
class FlagScope {
public:
    explicit FlagScope(BOOL& flag) : m_flag(flag) { m_flag = TRUE; }
    ~FlagScope() { m_flag = FALSE; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    BOOL& m_flag;
};
} // namespace

QZVantrelForm::QZVantrelForm(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelTemplate(OBJ_FORM, parent) {
    BindFormColumns(*LoadRow<CFormsSet>(key, bOpen, &g_FormsCache, kColumns));
}

QZVantrelForm::QZVantrelForm() : QZVantrelTemplate(OBJ_FORM, nullptr) {
    BindFormColumns(*AddNewRow<CFormsSet>(kColumns));
    SetServiceKey(CurrentServiceKey());
}

QZVantrelForm::~QZVantrelForm() {
    m_pActionContext.reset();
}

QZVantrelForm& QZVantrelForm::operator=(const QZVantrelForm& other) {
    QZVantrelTemplate::operator=(other);
    return *this;
}

void QZVantrelForm::BindFormColumns(CFormsSet& set) {
    m_bReturnedPage = FALSE;
    m_pActionBody = &set.m_ActionBody;
    // The generation context is the macro's; the form writes for itself only where it took
    // over no page to write into.
    BindTemplateColumns(set);
    if (m_pParseContext->GetPageOwner() == nullptr)
        m_pParseContext->SetRunOwner(this);
    m_pActionContext = MakeActionContext();
}

std::unique_ptr<QZVantrelMemoFld> QZVantrelForm::MakeActionContext() {
    auto context = std::make_unique<QZVantrelMemoFld>(m_pParentContext);
    context->SetMessageOwner(this);
    if (context->GetPageOwner() == nullptr)
        context->SetRunOwner(this);
    if (m_bEditable)
        context->SetMode(QZVantrelContext::MODE_FIRST);
    return context;
}

CString& QZVantrelForm::GetActionBody() {
    return *m_pActionBody;
}

void QZVantrelForm::SetActionBody(const CString& text) {
    *m_pActionBody = text;
    ParseAction(text);
}

QZVantrelMemoFld::ColorSpanList QZVantrelForm::GetActionColorSpans(const CString& text) {
    return m_pActionContext->BuildColorSpans(CString(text));
}

void QZVantrelForm::ParseAction(const CString& text) {
    FlagScope parsing(m_bParsingAction);
    m_pActionContext->Parse(text);
}

QZVantrelMemoFld* QZVantrelForm::GetParser() const {
    return m_bParsingAction ? m_pActionContext.get() : m_pParseContext.get();
}

int QZVantrelForm::Save() {
    if (m_pRecordset == nullptr || !m_bLoaded || !m_bEditable)
        return 0;
    SetText(QZTemplateText::Normalise(*m_pParseContext, GetText()));
    CString action;
    {
        FlagScope parsing(m_bParsingAction);
        action = QZTemplateText::Normalise(*m_pActionContext, GetActionBody());
    }
    SetActionBody(action);
    return QZVantrelBase::Save();
}

int QZVantrelForm::RunAction() {
    // Each run answers its own request.
    m_bReturnedPage = FALSE;
    LoadService();
    PostEngineMessage(2, "Compiling", 0);
    m_nStatementCount = 0;
    m_pActionContext->SetMode(QZVantrelContext::MODE_GENERATE);
    try {
        ParseAction(CString(GetActionBody()));
        SymbolTable& scope = *m_pActionContext->GetSymbolTable();
        QZTemplateText::DefineRequestVariables(scope,
                                               GetService()->GetRecordset()->m_WebMasterEmail);
        scope.SetDate("lastchanged", GetLastChanged());
        m_pActionContext->Execute();
    } catch (...) {
        m_pActionContext->SetMode(QZVantrelContext::MODE_PLAIN);
        ReleaseRunObjects();
        throw;
    }
    m_pActionContext->SetMode(QZVantrelContext::MODE_PLAIN);
    PostEngineMessage(2, "Done", 0);
    ReleaseRunObjects();
    return 1;
}
