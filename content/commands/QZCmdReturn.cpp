#include "content/commands/QZCmdReturn.h"

#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelPage.h"
#include "content/commands/QZCommandKey.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"

IMPLEMENT_DYNAMIC(QZCmdReturn, QZCmdFunction)

namespace {
// TRUE for a form or event that has not answered its request in this run yet.
BOOL MayAnswer(QZTemplateRunOwner* owner) {
    if (auto* form = dynamic_cast<QZVantrelForm*>(owner))
        return !form->HasReturnedPage();
    if (auto* event = dynamic_cast<QZVantrelEvent*>(owner))
        return !event->HasReturnedPage();
    return FALSE;
}

void MarkAnswered(QZTemplateRunOwner* owner) {
    if (auto* form = dynamic_cast<QZVantrelForm*>(owner))
        form->SetReturnedPage(TRUE);
    else if (auto* event = dynamic_cast<QZVantrelEvent*>(owner))
        event->SetReturnedPage(TRUE);
}
} // namespace

QZCmdReturn::QZCmdReturn(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_PAGE), m_pageKey(-1, -1, OBJ_PAGE) {}

QZCmdReturn::~QZCmdReturn() = default;

void QZCmdReturn::WriteSource(CString& text) {
    text += "<<returnpage " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdReturn::Execute() {
    QZCommandKey::Take(*this, OBJ_PAGE, m_pKeyEntry);
}

BOOL QZCmdReturn::CheckParameters() {
    m_pageKey = QZCommandKey::Take(*this, OBJ_PAGE, m_pKeyEntry);
    if (m_pageKey.m_KeyID < 1) {
        Error("no valid page key specified");
        return FALSE;
    }
    // The page's text sees the command's parameters as variables.
    m_pPage = std::make_unique<QZVantrelPage>(m_pageKey, FALSE, GetArguments());
    if (!m_pPage->IsLoaded()) {
        m_pPage.reset();
        QZCommandKey::ReportInvalid(*this, "returnpage: invalid page key %s=%s specified",
                                    "returnpage: invalid page key %s specified", m_pKeyEntry,
                                    m_pageKey);
        return FALSE;
    }
    return TRUE;
}

void QZCmdReturn::ExecuteAction() {
    if (!CheckParameters())
        return;
    if (MayAnswer(m_pRunOwner)) {
        Write("Content-type: text/html\r\n");
        m_pPage->ReturnInto(m_pRunOwner->GetOutputFile());
        MarkAnswered(m_pRunOwner);
    }
    m_pPage.reset();
}

CString QZCmdReturn::EditProperties() {
    CheckParameters();
    CString keyText;
    CString rest;
    QZCommandKey::SplitAtComma(m_source, QZCommandKey::CountParameters(*this), keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().ReturnProps(*this, keyText, rest) == IDOK)
        m_properties = QZCommandKey::Rebuild("returnpage", m_pageKey, rest);
    m_pPage.reset();
    return m_properties;
}
