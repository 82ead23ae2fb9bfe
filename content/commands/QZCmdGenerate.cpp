#include "content/commands/QZCmdGenerate.h"

#include "content/QZVantrelPage.h"
#include "content/commands/QZCommandKey.h"
#include "platform/core/CException.h"
#include "template/commands/QZArgumentContext.h"

IMPLEMENT_DYNAMIC(QZCmdGenerate, QZCmdFunction)

QZCmdGenerate::QZCmdGenerate(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_PAGE), m_pageKey(-1, -1, OBJ_PAGE) {}

QZCmdGenerate::~QZCmdGenerate() = default;

void QZCmdGenerate::WriteSource(CString& text) {
    text += "<<generate " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdGenerate::Execute() {
    QZCommandKey::Take(*this, OBJ_PAGE, m_pKeyEntry);
}

BOOL QZCmdGenerate::CheckParameters() {
    m_pageKey = QZCommandKey::Take(*this, OBJ_PAGE, m_pKeyEntry);
    m_pPage.reset();
    if (m_pageKey.m_KeyID < 1) {
        Error("no valid page key specified");
        return FALSE;
    }
    try {
        m_pPage = std::make_unique<QZVantrelPage>(m_pageKey, FALSE, GetArguments());
    } catch (CException* e) {
        e->Delete();
    }
    if (m_pPage == nullptr || !m_pPage->IsLoaded()) {
        m_pPage.reset();
        QZCommandKey::ReportInvalid(*this, "generate: invalid page key %s=%s specified",
                                    "generate: invalid page key %s specified", m_pKeyEntry,
                                    m_pageKey);
        return FALSE;
    }
    return TRUE;
}

void QZCmdGenerate::ExecuteAction() {
    if (!CheckParameters())
        return;
    m_pPage->Generate();
    RecordDependency(m_pRunOwner, static_cast<QZTemplateRunOwner*>(m_pPage.get()));
    m_pPage.reset();
}
