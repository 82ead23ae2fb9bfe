#include "template/commands/QZCmdWriteFile.h"

#include "platform/core/CFile.h"
#include "platform/core/Paths.h"
#include "template/commands/QZArgumentContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdWriteFile, QZCmdFunction)

QZCmdWriteFile::QZCmdWriteFile(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, -1) {}

void QZCmdWriteFile::WriteSource(CString& text) {
    text += "<<writefile " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdWriteFile::ValueText(const QZSymbol* value, CString& text) {
    switch (value->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        text.Format("%d", value->GetInteger());
        return TRUE;
    case QZSymbol::TYPE_CURRENCY:
        text = value->GetCurrency().Format();
        return TRUE;
    case QZSymbol::TYPE_DOUBLE:
        text.Format("%g", value->GetDouble());
        return TRUE;
    case QZSymbol::TYPE_DATE:
        text = value->GetDate().Format("#%m/%d/%Y %H:%M:%S#");
        return TRUE;
    case QZSymbol::TYPE_STRING:
        text = value->GetString();
        return TRUE;
    case QZSymbol::TYPE_KEY:
        text = value->GetKey().FormatFull();
        return TRUE;
    case QZSymbol::TYPE_SPAN:
        text = value->GetSpan().Format("%Dd%Hh%Mn%Ss");
        return TRUE;
    default:
        return FALSE;
    }
}

// The value is checked before the file is opened, so that a failed write leaves the file as
// it was.
void QZCmdWriteFile::Execute() {
    QZCommandBase::Execute();
    QZSymbol* name = FindParam(CString(), QZSymbol::TYPE_STRING);
    if (name == nullptr) {
        Error("writefile: no filename specified");
        return;
    }
    QZBlockList* results = GetArguments()->GetResults();
    QZSymbol* value = results != nullptr ? results->GetAt(2, FALSE, 1) : nullptr;
    if (value != nullptr && value->GetType() == QZSymbol::TYPE_REFERENCE)
        value = value->GetReference();
    if (value == nullptr) {
        Error("writefile: no output buffer specified");
        return;
    }
    if (!CheckValue(value))
        return;
    CString text;
    if (!ValueText(value, text)) {
        Error("writefile: no output buffer specified");
        return;
    }
    BOOL append = GetArguments()->GetSymbolTable()->Lookup("append", FALSE) != nullptr;
    UINT flags = CFile::modeCreate | CFile::modeWrite;
    if (append)
        flags |= CFile::modeNoTruncate;
    CFile file;
    if (!file.Open(MapWindowsPath(name->GetString()), flags)) {
        Error("writefile: can't open file %s for writing", name->GetString());
        return;
    }
    try {
        file.SeekToEnd();
        file.Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        Error("writefile: can't open file %s for writing", name->GetString());
    }
}
