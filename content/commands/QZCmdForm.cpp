#include "content/commands/QZCmdForm.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelPage.h"
#include "content/commands/QZCommandKey.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdForm, QZCmdFunction)

QZCmdForm::QZCmdForm(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_FORM), m_formKey(-1, -1, OBJ_FORM) {}

QZCmdForm::~QZCmdForm() = default;

void QZCmdForm::WriteSource(CString& text) {
    text += "<<form " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdForm::CheckParameters() {
    m_formKey = QZCommandKey::Take(*this, OBJ_FORM, m_pKeyEntry);
    m_pForm.reset();
    if (m_formKey.m_KeyID <= 0) {
        Error("form: no valid form ID specified");
        return FALSE;
    }
    // The form's text sees the command's parameters as variables.
    m_pForm = std::make_unique<QZVantrelForm>(m_formKey, FALSE, GetArguments());
    if (!m_pForm->IsLoaded()) {
        m_pForm.reset();
        QZCommandKey::ReportInvalid(*this, "form: invalid form key %s=%s specified",
                                    "form: invalid form key %s specified", m_pKeyEntry, m_formKey);
        return FALSE;
    }
    QZSymbol* onSubmit = FindNamedParam("onsubmit", QZSymbol::TYPE_STRING);
    m_onSubmit = onSubmit != nullptr ? onSubmit->GetString() : CString();
    return TRUE;
}

CString QZCmdForm::ActionPath() const {
    CString path;
    if (auto* page = dynamic_cast<QZVantrelPage*>(m_pPageOwner)) {
        QZSection section(page->GetSectionKey(), FALSE);
        if (section.IsLoaded() && section.GetRecordset()->m_SecureCGI == 1) {
            QZService service(page->GetServiceKey(), FALSE);
            for (const CString& directory : {service.GetDirectory(), section.GetDirectory()})
                if (!directory.IsEmpty())
                    path += "/" + directory;
        }
    }
    QZApplication* app = GetVantrelApp();
    return path + (app != nullptr ? app->GetCGIAppRelPath() : CString("/CGI-BIN/")) + "MQ30i.exe";
}

void QZCmdForm::Execute() {
    if (!CheckParameters())
        return;
    CString opening = "<form method=\"post\" action=\"" + ActionPath() + "\"";
    if (!m_onSubmit.IsEmpty())
        opening += " onSubmit=\"" + m_onSubmit + "\"";
    Write(opening + ">\n<input name=\"formid\" value=\"" + m_formKey.FormatFull() +
          "\" type=hidden>");
    m_pForm->Compile();
    Write("</form>");
    RecordDependency(m_pRunOwner, static_cast<QZTemplateRunOwner*>(m_pForm.get()));
    m_pForm.reset();
}

CString QZCmdForm::EditProperties() {
    CheckParameters();
    CString keyText;
    QZCommandKey::SplitKeyAndRest(m_source, keyText, m_rest);
    m_properties.Empty();
    if (GetCommandDialogs().FormProps(*this, m_rest) == IDOK) {
        m_properties = "<<form ";
        m_properties += QZCommandKey::IsNone(m_formKey) ? keyText : m_formKey.Format();
        if (!m_rest.IsEmpty())
            m_properties += "," + m_rest;
        m_properties += ">>";
    }
    m_pForm.reset();
    return m_properties;
}
