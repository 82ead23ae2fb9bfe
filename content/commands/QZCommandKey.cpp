#include "content/commands/QZCommandKey.h"

#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandBase.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

QZKeyCombo QZCommandKey::Take(QZCommandBase& command, SHORT type, QZSymbol*& entry) {
    CString arguments = command.GetSourceText();
    arguments.Trim();
    entry = nullptr;
    if (arguments.IsEmpty())
        return QZKeyCombo(-1, -1, type);
    command.QZCommandBase::Execute();
    if ((entry = command.FindPositionalParam(1, QZSymbol::TYPE_KEY)) != nullptr)
        return entry->GetKey();
    if ((entry = command.FindPositionalParam(1, QZSymbol::TYPE_STRING)) != nullptr)
        return QZKeyCombo(entry->GetString());
    return QZKeyCombo(-1, -1, type);
}

void QZCommandKey::ReportInvalid(QZCommandBase& command, LPCTSTR named, LPCTSTR plain,
                                 const QZSymbol* entry, const QZKeyCombo& key) {
    // A literal's entry is named by its own text; only a variable's name is shown.
    if (entry != nullptr && !entry->IsLiteralConstant() && !entry->GetName().IsEmpty())
        command.Error(named, entry->GetName(), key.FormatFull());
    else
        command.Error(plain, key.FormatFull());
}

BOOL QZCommandKey::IsNone(const QZKeyCombo& key) {
    return (key.m_DbID == -1 && key.m_KeyID == -1) || (key.m_DbID == 0 && key.m_KeyID == 0);
}

CString QZCommandKey::Rebuild(LPCTSTR word, const QZKeyCombo& key, const CString& rest) {
    CString text = CString("<<") + word + " ";
    if (!IsNone(key))
        text += key.Format();
    if (!rest.IsEmpty())
        text += "," + rest;
    return text + ">>";
}

void QZCommandKey::SplitAtComma(const CString& source, LONG count, CString& keyText,
                                CString& rest) {
    int comma = source.Find(',');
    if (count <= 1 || comma < 0) {
        keyText = source;
        rest.Empty();
        return;
    }
    keyText = source.Left(comma);
    rest = source.Mid(comma + 1);
}

void QZCommandKey::SplitKeyAndRest(const CString& source, CString& keyText, CString& rest) {
    int comma = source.Find(',');
    if (comma >= 0) {
        keyText = source.Left(comma);
        rest = source.Mid(comma + 1);
        return;
    }
    CString list = source;
    CString name;
    CString value;
    BOOL named = QZCommandBase::NextAttribute(list, name, value) && !value.IsEmpty();
    keyText = named ? CString() : source;
    rest = named ? source : CString();
}

LONG QZCommandKey::CountParameters(const QZCommandBase& command) {
    auto* arguments = dynamic_cast<QZArgumentContext*>(command.GetExprContext());
    QZBlockList* results = arguments != nullptr ? arguments->GetResults() : nullptr;
    return results != nullptr ? results->GetCount() : 0;
}
