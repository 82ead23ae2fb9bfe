#include "content/commands/QZCmdScript.h"

#include "content/QZVantrelScript.h"
#include "content/commands/QZCommandKey.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"

IMPLEMENT_DYNAMIC(QZCmdScript, QZCmdFunction)

QZCmdScript::QZCmdScript(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_SCRIPT), m_scriptKey(-1, -1, OBJ_SCRIPT) {}

QZCmdScript::~QZCmdScript() = default;

void QZCmdScript::WriteSource(CString& text) {
    text += "<<script " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdScript::CheckParameters() {
    m_scriptKey = QZCommandKey::Take(*this, OBJ_SCRIPT, m_pKeyEntry);
    ResolveObject();
    return m_pScript != nullptr;
}

void QZCmdScript::ResolveObject() {
    m_pScript.reset();
    if (m_scriptKey.m_KeyID <= 0) {
        Error("script: no valid script key specified");
        return;
    }
    // The script's text sees the variables of the text that uses it.
    m_pScript = std::make_unique<QZVantrelScript>(m_scriptKey, FALSE, GetArguments());
    if (!m_pScript->IsLoaded()) {
        m_pScript.reset();
        QZCommandKey::ReportInvalid(*this, "script: invalid script key %s=%s specified",
                                    "script: invalid script key %s specified", m_pKeyEntry,
                                    m_scriptKey);
    }
}

void QZCmdScript::Execute() {
    if (!CheckParameters())
        return;
    m_pScript->LoadService();
    m_pScript->LoadSection();
    CString opening = "<script language=\"" + m_pScript->GetLanguage() + "\"";
    CString file = m_pScript->GetFileName();
    if (!file.IsEmpty())
        opening += " src=\"" + file + "\"";
    if (!m_pScript->GetType().IsEmpty())
        opening += " type=\"" + m_pScript->GetType() + "\"";
    Write(opening + ">");
    m_pScript->Compile();
    Write("</script>");
    RecordDependency(m_pRunOwner, static_cast<QZTemplateRunOwner*>(m_pScript.get()));
    m_pScript.reset();
}

CString QZCmdScript::EditProperties() {
    CheckParameters();
    CString keyText;
    CString rest;
    QZCommandKey::SplitAtComma(m_source, QZCommandKey::CountParameters(*this), keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().ScriptProps(m_scriptKey) == IDOK) {
        m_properties = "<<script ";
        m_properties += QZCommandKey::IsNone(m_scriptKey) ? keyText : m_scriptKey.Format();
        m_properties += ">>";
        m_pKeyEntry = nullptr;
    }
    m_pScript.reset();
    return m_properties;
}
