// The editors' services to the shell and the registration of their document templates at
// start-up: new objects of every kind, Save All, and the templates in the order of the kinds.

#include "content/QZVantrelQuery.h"
#include "editors/QZEditorServiceProvider.h"
#include "editors/QZKindDocument.h"
#include "editors/QZQueryDoc.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/CDocTemplate.h"
#include "res/Resources.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"

#include <gtest/gtest.h>

class EditorServicesTest : public EditorTest {};

TEST_F(EditorServicesTest, StartUpRegistersTheSixteenTemplatesInTheOrderOfTheKinds) {
    InstallEditors();
    EXPECT_EQ(GetDocTemplateRegistrar(), &RegisterEditorTemplates);
    EXPECT_NE(GetEditorServices(), nullptr);
    SetEditorServices(nullptr);
    SetDocTemplateRegistrar(nullptr);
    QZKindDocument::SetSaveAsDialog(nullptr);

    const std::vector<UINT> ids{129, 132, 164, 135, 165, 166, 167, 162,
                                161, 160, 137, 163, 168, 169, 233, 234};
    const std::vector<std::string> names{
        "Page", "Macro", "Script", "Image", "ActiveX", "Java",       "MultiMedia", "Photo",
        "Form", "Email", "Query",  "Style", "Event",   "Advertiser", "Ad",         "AdSpacer"};
    ASSERT_EQ(AfxGetDocManager().GetTemplates().size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        CDocTemplate* docTemplate = TestApp().m_pTemplates[i];
        ASSERT_NE(docTemplate, nullptr);
        EXPECT_EQ(AfxGetDocManager().GetTemplates()[i], docTemplate);
        EXPECT_EQ(docTemplate->GetResourceId(), ids[i]);
        CString name;
        docTemplate->GetDocString(name, CDocTemplate::docName);
        EXPECT_EQ(name.str(), names[i]);
    }
}

TEST_F(EditorServicesTest, StartUpGivesSaveAsTheShellsDialog) {
    RegisterResources();
    InstallEditors();
    SetEditorServices(nullptr);
    SetDocTemplateRegistrar(nullptr);
    AddKindRow(EditorKinds()[1], 12, "Menu");
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    {
        DialogScript script([](wxDialog* dialog) {
            EXPECT_EQ(dialog->GetTitle().utf8_string(), "Save As");
            DialogScript::Click(dialog, IDCANCEL);
        });
        static_cast<QZKindDocument*>(ActiveDocument())->OnFileSaveAs();
        EXPECT_EQ(script.opened, 1);
    }
    QZKindDocument::SetSaveAsDialog(nullptr);
}

TEST_F(EditorServicesTest, ANewObjectOfEveryKindOpensOnItsLandingTabWithItsTitle) {
    struct NewCase {
        SHORT type;
        int tab;
        const char* word;
    };
    const std::vector<NewCase> cases{
        {OBJ_PAGE, 2, "Page"},
        {OBJ_MACRO, 1, nullptr},
        {OBJ_SCRIPT, 1, "Script"},
        {OBJ_IMAGE, -1, "Image"},
        {OBJ_ACTIVEX, -1, "ActiveX Controls"},
        {OBJ_JAVA, -1, "Java"},
        {OBJ_MEDIA, -1, "MultiMedia"},
        {OBJ_PHOTO, -1, "Photo"},
        {OBJ_FORM, 2, "Form"},
        {OBJ_MESSAGE, 1, "Email"},
        {OBJ_QUERY, -1, "Query"},
        {OBJ_STYLE, -1, "Style"},
        {OBJ_EVENT, 1, "Scheduled Events"},
        {OBJ_ADVERTISER, -1, "Advertisers"},
        {OBJ_AD, -1, "Ad"},
        {OBJ_ADSPACE, -1, "Ad Space"},
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_TRUE(m_services.OpenNewObject(c.type, c.tab));
        QZDocument* document = ActiveDocument();
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(SelectedTab(ActiveFrame()), c.tab < 0 ? 0 : c.tab);
        QZVantrelBase* object = document->GetContentObject();
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(object->m_bEditable);
        if (c.word) {
            EXPECT_EQ(document->GetTitle().str(), object->GetName().str() + "  (" +
                                                      object->GetKey().Format().str() + ") -- " +
                                                      c.word);
        } else {
            // A new macro keeps the template's default title until its first change.
            EXPECT_EQ(document->GetTitle().str(), "Macro1");
            document->SetModifiedFlag(TRUE);
            EXPECT_EQ(document->GetTitle().str(), object->GetName().str() + "  (" +
                                                      object->GetKey().Format().str() +
                                                      ") -- Macro *");
        }
        CloseAll();
    }
}

TEST_F(EditorServicesTest, ANewQueryTakesTheSitesDatabases) {
    Insert("Services", "DbID, ServiceID, Name, ClientsDb, ClientsProdDb, Deleted",
           "5, 10, 'Site', 'clients.mdb', 'live.mdb', 0");
    ASSERT_TRUE(m_services.OpenNewObject(OBJ_QUERY, -1));
    auto* document = dynamic_cast<QZQueryDoc*>(ActiveDocument());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetQuery()->GetDatabaseName().str(), "clients.mdb");
    EXPECT_EQ(document->GetQuery()->GetProductionDatabaseName().str(), "live.mdb");
}

TEST_F(EditorServicesTest, SaveAllSavesEveryOpenEditor) {
    AddKindRow(EditorKinds()[0], 12, "Home");
    AddKindRow(EditorKinds()[11], 12, "Plain");
    for (SHORT type : {OBJ_PAGE, OBJ_STYLE}) {
        ASSERT_TRUE(Open(type, 12));
        Rename(ActiveDocument(), "Saved");
        ActiveDocument()->SetModifiedFlag(TRUE);
    }
    m_services.SaveAll();
    EXPECT_EQ(NameOf(EditorKinds()[0], 12), "Saved");
    EXPECT_EQ(NameOf(EditorKinds()[11], 12), "Saved");
    for (QZDocument* document : OpenDocuments())
        EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(m_boxes.texts().empty());
}
