#include "template/commands/QZCmdFile.h"

#include "platform/core/CFile.h"
#include "platform/core/Paths.h"
#include "template/commands/QZArgumentContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdFile, QZCmdFunction)

QZCmdFile::QZCmdFile(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_NONE) {}

void QZCmdFile::WriteSource(CString& text) {
    text += "<<file " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdFile::CheckParameters() {
    QZCommandBase::Execute();
    QZSymbol* name = FindPositionalParam(1, QZSymbol::TYPE_STRING);
    m_fileName = name != nullptr ? name->GetString() : CString();
    if (m_fileName.IsEmpty()) {
        Error("file: no filename specified");
        return FALSE;
    }
    return TRUE;
}

void QZCmdFile::Execute() {
    if (!CheckParameters())
        return;
    CFile file;
    if (!file.Open(MapWindowsPath(m_fileName), CFile::modeRead)) {
        Error("file: can't open file %s for reading", m_fileName);
        return;
    }
    char block[kBlockSize];
    try {
        for (UINT read; (read = file.Read(block, kBlockSize)) > 0;) {
            // A zero byte would end the text early: it alone is left out.
            CString text;
            for (UINT i = 0; i < read; i++)
                if (block[i] != '\0')
                    text += block[i];
            if (!text.IsEmpty())
                Write(text);
        }
    } catch (CFileException* e) {
        e->Delete();
        Error("file: can't open file %s for reading", m_fileName);
    }
    file.Abort();
}
