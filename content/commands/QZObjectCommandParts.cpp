#include "content/commands/QZObjectCommandParts.h"

#include "db/QZApplication.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCmdFunction.h"
#include "template/commands/QZFlowParts.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <climits>
#include <cmath>

namespace QZObjectCommandParts {

namespace {

BOOL HasArguments(const QZCommandBase& command) {
    CString text = command.GetSourceText();
    text.Trim();
    return !text.IsEmpty();
}

QZSymbol* Followed(QZSymbol* entry, LONG type) {
    if (entry != nullptr && entry->GetType() == QZSymbol::TYPE_REFERENCE)
        entry = entry->GetReference();
    return entry != nullptr && entry->GetType() == type ? entry : nullptr;
}

LONG Truncated(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<LONG>(std::trunc(value));
}

// The index of the first comma outside double quotes, or -1.
int FirstComma(const CString& text) {
    bool quoted = false;
    for (int i = 0; i < text.GetLength(); i++) {
        char c = text.GetAt(i);
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            return i;
    }
    return -1;
}

} // namespace

void Evaluate(QZCmdFunction& command) {
    if (HasArguments(command))
        command.QZCommandBase::Execute();
}

QZKeyCombo ReadKey(QZCmdFunction& command, SHORT type, QZSymbol*& entry) {
    entry = nullptr;
    if (!HasArguments(command))
        return QZKeyCombo(-1, -1, type);
    if ((entry = command.FindPositionalParam(1, QZSymbol::TYPE_KEY)) != nullptr)
        return entry->GetKey();
    if ((entry = command.FindPositionalParam(1, QZSymbol::TYPE_STRING)) != nullptr)
        return QZKeyCombo(entry->GetString());
    return QZKeyCombo(-1, -1, type);
}

void ReportInvalidKey(QZCommandBase& command, const CString& word, const CString& what,
                      const QZSymbol* entry, const QZKeyCombo& key) {
    // A literal's entry is named by its own text; only a variable's name is shown.
    if (entry != nullptr && !entry->IsLiteralConstant() && !entry->GetName().IsEmpty())
        command.Error(word + ": invalid " + what + " key %s=%s specified", entry->GetName(),
                      key.FormatFull());
    else
        command.Error(word + ": invalid " + what + " key %s specified", key.FormatFull());
}

BOOL ReadInteger(QZCommandBase& command, const CString& name, LONG& value) {
    if (QZSymbol* entry = command.FindNamedParam(name, QZSymbol::TYPE_INTEGER)) {
        value = entry->GetInteger();
        return TRUE;
    }
    if (QZSymbol* entry = command.FindNamedParam(name, QZSymbol::TYPE_DOUBLE)) {
        value = Truncated(entry->GetDouble());
        return TRUE;
    }
    return FALSE;
}

BOOL ReadString(QZCommandBase& command, const CString& name, CString& value) {
    QZSymbol* entry = command.FindNamedParam(name, QZSymbol::TYPE_STRING);
    if (entry == nullptr)
        return FALSE;
    value = entry->GetString();
    return TRUE;
}

QZSymbol* FindAnyCase(QZCmdFunction& command, const CString& name, LONG type) {
    QZBlockList* results = command.GetArguments()->GetResults();
    if (results == nullptr)
        return nullptr;
    for (QZBlockList::Node* node = results->GetHead(); node != nullptr; node = node->next) {
        if (node->item != nullptr && node->item->GetName().CompareNoCase(name) == 0)
            return Followed(node->item, type);
    }
    return nullptr;
}

CString ReadStringAnyCase(QZCmdFunction& command, const CString& name) {
    QZSymbol* entry = FindAnyCase(command, name, QZSymbol::TYPE_STRING);
    return entry != nullptr ? entry->GetString() : CString();
}

BOOL HasOwnWord(QZCmdFunction& command, LPCTSTR name) {
    SymbolTable* own = command.GetArguments()->GetSymbolTable();
    return own != nullptr && own->Lookup(name, FALSE) != nullptr;
}

void WriteBlockSource(CString& text, LPCTSTR keyword, const QZCmdFunction& command,
                      QZVantrelContext& body, BOOL closed) {
    text += CString("<<") + keyword + " " + command.GetArguments()->GetTranslatedText() + ">>";
    if (!QZFlowParts::WritesBlocks(command.GetContext()))
        return;
    body.WriteSource(text);
    if (closed)
        text += CString("<</") + keyword + ">>";
}

CString DirectoryPart(const CString& directory) {
    return directory.IsEmpty() ? CString() : directory + "/";
}

CString InterpreterPath() {
    QZApplication* app = GetVantrelApp();
    CString path = app != nullptr ? app->GetCGIAppRelPath() : CString("/CGI-BIN/");
    return path + "MQ30i.exe";
}

CString AlignAttribute(LONG align) {
    static const char* const kWords[] = {"left", "top", "right", "bottom", "middle"};
    if (align < 1 || align > 5)
        return CString();
    return CString(" align=") + kWords[align - 1];
}

CString AlignItem(LONG align) {
    if (align < 1 || align > 4)
        return CString();
    CString attribute = AlignAttribute(align);
    return "," + attribute.Mid(1);
}

std::optional<CString> RowDefault(QZCommandBase& command, const CString& name,
                                  const CString& value) {
    if (command.FindNamedParam(name, QZSymbol::TYPE_STRING) != nullptr)
        return std::nullopt;
    return value;
}

BOOL WritesText(const CString& value, const CString& column,
                const std::optional<CString>& rowDefault) {
    return value != column && !(rowDefault.has_value() && value == *rowDefault);
}

void SplitKeyText(const CString& arguments, CString& keyText, CString& rest) {
    int comma = FirstComma(arguments);
    keyText = comma < 0 ? arguments : arguments.Left(comma);
    rest = comma < 0 ? CString() : arguments.Mid(comma + 1);
}

CString EditedKeyText(const QZKeyCombo& key, const CString& keyText) {
    bool none = (key.m_DbID == -1 && key.m_KeyID == -1) || (key.m_DbID == 0 && key.m_KeyID == 0);
    return none ? keyText : key.Format();
}

CString CarriedItems(const CString& rest, std::initializer_list<LPCTSTR> managed) {
    CString list = rest;
    CString name;
    CString value;
    CString carried;
    while (QZCommandBase::NextAttribute(list, name, value)) {
        bool isManaged = name.IsEmpty();
        for (LPCTSTR word : managed)
            isManaged = isManaged || name.CompareNoCase(word) == 0;
        if (isManaged)
            continue;
        carried += "," + name;
        if (!value.IsEmpty())
            carried += "=" + value;
    }
    return carried;
}

CString QuotedItem(LPCTSTR name, const CString& value) {
    if (value.IsEmpty())
        return CString();
    return CString(",") + name + "=\"" + value + "\"";
}

CString QuotedAttribute(LPCTSTR name, const CString& value) {
    if (value.IsEmpty())
        return CString();
    return CString(" ") + name + "=\"" + value + "\"";
}

} // namespace QZObjectCommandParts
