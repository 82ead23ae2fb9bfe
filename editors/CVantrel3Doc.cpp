#include "editors/CVantrel3Doc.h"

#include "content/QZEngineMessage.h"
#include "db/QZRecordsetCaches.h"
#include "editors/QZDocumentCommands.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/CWinApp.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNCREATE(CVantrel3Doc, QZKindDocument)

BEGIN_MESSAGE_MAP(CVantrel3Doc, QZKindDocument)
ON_COMMAND(ID_GENERATE_NOW, OnGenerate)
ON_UPDATE_COMMAND_UI(ID_GENERATE_NOW, OnUpdateGenerate)
ON_COMMAND(ID_GENERATE_PAGE, OnGenerate)
ON_UPDATE_COMMAND_UI(ID_GENERATE_PAGE, OnUpdateGenerate)
END_MESSAGE_MAP()

namespace {

void PostLine(const char* text) {
    if (CVantrel3App* app = GetVantrel3App())
        app->PostEngineMessage(new QZEngineMessage(2, text));
}

} // namespace

CVantrel3Doc::CVantrel3Doc() : QZKindDocument(OBJ_PAGE) {}

void CVantrel3Doc::SaveObject() {
    CWaitCursor wait;
    QZKindDocument::SaveObject();
}

int CVantrel3Doc::Preview() {
    CWaitCursor wait;
    return QZKindDocument::Preview();
}

void CVantrel3Doc::OnGenerate() {
    QZVantrelPage* page = GetPage();
    if (!page)
        return;
    // Generating writes the row: never one that another user holds.
    if (!page->m_bEditable) {
        AfxMessageBox("This record is a Read Only copy", MB_OK);
        return;
    }
    if (IsModified()) {
        if (ConfirmSaveOnClose()) {
            CString question;
            question.Format("Do you want to save this object?\n\n%s",
                            static_cast<LPCTSTR>(GetTitle()));
            const int answer = AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDYES)
                SaveObject();
            else if (answer != IDNO)
                return;
        } else {
            SaveObject();
        }
    }
    BOOL generated = TRUE;
    {
        CWaitCursor wait;
        generated = GeneratePage(*page);
    }
    if (!generated)
        AfxMessageBox("Unable to generate page.", MB_OK);
}

void CVantrel3Doc::OnUpdateGenerate(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetPage() != nullptr);
}

BOOL CVantrel3Doc::GeneratePage(QZVantrelPage& page) {
    if (CVantrel3App* app = GetVantrel3App())
        app->ClearEngineMessages();
    PostLine("- Starting to Generate Page -------");
    page.Save();
    if (page.GetRecordset()->m_NeverGenerateFlag)
        return TRUE;
    if (!page.WriteDependents())
        return FALSE;
    page.GetRecordset()->m_GenerateFlag = 0;
    page.SetPublishFlag(TRUE);
    RefillStatusForm();
    page.Save();
    PostLine("- Finished Generating Page -------");
    ClearRecordsetCaches();
    RefreshObjectTree(page.GetObjectType(), page.GetKey());
    return TRUE;
}
