#include "shell/QZPageTreeModel.h"

#include "content/QZEngineMessage.h"
#include "content/QZVantrelPage.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

#include <memory>

namespace {

void Log(int kind, const CString& text) {
    GetVantrel3App()->PostEngineMessage(new QZEngineMessage(kind, text));
}

// The page's generate operation; FALSE when it failed or raised an engine error.
BOOL WritePage(QZVantrelPage& page) {
    try {
        return page.WriteDependents() == 1;
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
}

} // namespace

CString QZPageTreeModel::GetObjectInsertText(const QZTreeItem& item) {
    QZKeyCombo key = item.GetKey();
    QZVantrelPage page(key, FALSE);
    return "<<link " + key.Format() + ">>" + page.GetName() + "<</link>>";
}

void QZPageTreeModel::OpenSelected() {
    QZSectionObjectTreeModel::OpenSelected();
    if (!IsSectionSelected())
        OpenObjectOfKey(GetSelectedKey());
}

void QZPageTreeModel::NewObject() {
    Actions().SendMainCommand(QZTreeCommand::NewPage);
}

void QZPageTreeModel::DeleteSelected() {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    DeleteObjectOfKey(key);
    QZSectionObjectTreeModel::DeleteSelected();
}

BOOL QZPageTreeModel::OnCommand(UINT command) {
    if (command == QZTreeCommand::GeneratePage) {
        GeneratePage();
        return TRUE;
    }
    return QZSectionObjectTreeModel::OnCommand(command);
}

BOOL QZPageTreeModel::HandlesCommand(UINT command) const {
    return command == QZTreeCommand::GeneratePage ||
           QZSectionObjectTreeModel::HandlesCommand(command);
}

UINT QZPageTreeModel::GetAppendedMenuCommand(CString& text) const {
    if (!OffersGeneratePage())
        return QZSectionObjectTreeModel::GetAppendedMenuCommand(text);
    text = "Generate Page";
    return QZTreeCommand::GeneratePage;
}

BOOL QZPageTreeModel::OffersGeneratePage() const {
    return GetSelectedItem() != nullptr && !IsSectionSelected();
}

void QZPageTreeModel::GeneratePage() {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    std::unique_ptr<QZVantrelPage> page;
    try {
        page = std::make_unique<QZVantrelPage>(key, TRUE);
    } catch (CException* e) {
        e->Delete();
        return;
    }
    // However the run ends, the page (and its claim) goes first, then the caches are emptied.
    struct RunEnd {
        std::unique_ptr<QZVantrelPage>& page;
        ~RunEnd() {
            page.reset();
            ClearRecordsetCaches();
        }
    } end{page};
    if (!page->IsLoaded())
        return;
    if (!page->m_bEditable) {
        ReportObjectBusy(*page);
        return;
    }
    Actions().BeginWaitCursor();
    App().ClearEngineMessages();
    Log(QZEngineMessage::kindProgress, "- Starting to Generate Page -------");
    if (page->GetRecordset()->m_NeverGenerateFlag) {
        CString text;
        text.Format("**** %s was not Generated, it has the Never Generate flag set.",
                    static_cast<LPCTSTR>(page->GetName()));
        Log(QZEngineMessage::kindError, text);
    } else if (!WritePage(*page)) {
        Actions().EndWaitCursor();
        AfxMessageBox("Unable to generate page.");
        return;
    } else {
        page->Save();
    }
    Log(QZEngineMessage::kindProgress, "- Finished Generating Page -------");
    Actions().EndWaitCursor();
}
