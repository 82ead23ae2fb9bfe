#include "editors/QZScriptsAttributeView.h"

#include "content/QZVantrelScript.h"
#include "editors/QZDocument.h"
#include "platform/ui/CDataExchange.h"
#include "res/TextEditorIds.h"

IMPLEMENT_DYNCREATE(QZScriptsAttributeView, QZFormView)

namespace {
const char* const kLanguages[] = {"JavaScript", "VBScript"};
} // namespace

QZScriptsAttributeView::QZScriptsAttributeView() : QZFormView(IDD_SCRIPT_ATTRIBUTES) {}

QZVantrelScript* QZScriptsAttributeView::Script() const {
    return dynamic_cast<QZVantrelScript*>(GetObject());
}

void QZScriptsAttributeView::DoDataExchange(CDataExchange* pDX) {
    QZFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SCRIPT_LANGUAGE, m_strLanguage);
    DDX_Text(pDX, IDC_SCRIPT_TYPE, m_strType);
}

void QZScriptsAttributeView::ReadRow() {
    if (QZVantrelScript* script = Script()) {
        m_strLanguage = script->GetLanguage();
        m_strType = script->GetType();
    }
}

void QZScriptsAttributeView::OnInitialUpdate() {
    if (m_cbLanguage.SubclassDlgItem(IDC_SCRIPT_LANGUAGE, this)) {
        for (const char* language : kLanguages)
            m_cbLanguage.AddString(language);
    }
    ReadRow();
    QZFormView::OnInitialUpdate();
}

void QZScriptsAttributeView::LoadFromObject() {
    ReadRow();
    QZFormView::LoadFromObject();
}

BOOL QZScriptsAttributeView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    QZVantrelScript* script = Script();
    QZDocument* document = GetEditorDocument();
    if (!script || !document)
        return TRUE;
    if (m_strLanguage.Compare(script->GetLanguage()) != 0) {
        script->GetRecordset()->m_Language = m_strLanguage;
        document->SetModifiedFlag(TRUE);
    }
    if (m_strType.Compare(script->GetType()) != 0) {
        script->GetRecordset()->m_Type = m_strType;
        document->SetModifiedFlag(TRUE);
    }
    return TRUE;
}
