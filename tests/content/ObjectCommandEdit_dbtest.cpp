// The property dialogs of the object commands, answered by a fake: on OK the command's text is
// rebuilt with the values that differ from the object's row and every item the dialog does
// not manage carried over in its order; on Cancel the text is empty.
#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdAdSpace.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdMedia.h"
#include "template/commands/QZCommandDialogs.h"
#include "tests/content/ObjectCommandFixture.h"

#include <functional>

namespace {

// Shows what it was given, then changes the command as a user would, or cancels.
class FakeDialogs : public QZCommandDialogs {
public:
    int ImageProps(QZCommandBase& command, BOOL& hasMap, const CString& rest) override {
        shownMap = hasMap;
        hasMap = mapFlag;
        return Answer(&command, rest);
    }
    int IntLinkProps(QZCommandBase& command, const CString& rest) override {
        return Answer(&command, rest);
    }
    int ActiveXProps(QZCommandBase& command) override { return Answer(&command, ""); }
    int JavaProps(QZCommandBase& command) override { return Answer(&command, ""); }
    int MultiMediaProps(QZKeyCombo& key, const CString& parameters) override {
        shownKey = key.FormatFull().str();
        if (ok && newKey.m_KeyID != 0)
            key = newKey;
        return Answer(nullptr, parameters);
    }
    int AdSpaceProps(QZKeyCombo& key) override {
        shownKey = key.FormatFull().str();
        if (ok && newKey.m_KeyID != 0)
            key = newKey;
        return Answer(nullptr, "");
    }

    bool ok = true;
    BOOL mapFlag = FALSE;
    QZKeyCombo newKey{0, 0};
    std::function<void(QZCommandBase&)> edit;
    std::string shownRest;
    std::string shownKey;
    BOOL shownMap = FALSE;

private:
    int Answer(QZCommandBase* command, const CString& rest) {
        shownRest = rest.str();
        if (!ok)
            return IDCANCEL;
        if (edit && command != nullptr)
            edit(*command);
        return IDOK;
    }
};

class ObjectCommandEditTest : public ObjectCommandTest {
protected:
    void SetUp() override {
        ObjectCommandTest::SetUp();
        SetCommandDialogs(&m_dialogs);
        m_page = EditPage("");
    }
    void TearDown() override {
        m_page.reset();
        ObjectCommandTest::TearDown();
    }
    // The text the command of `source` gives back from its dialog.
    std::string Edit(const std::string& source) {
        QZCommandBase* command = m_page->SetSourceText(CString(source));
        EXPECT_NE(command, nullptr);
        return command != nullptr ? command->EditProperties().str() : "";
    }
    template <class Command> static Command& As(QZCommandBase& command) {
        return dynamic_cast<Command&>(command);
    }

    FakeDialogs m_dialogs;
    std::unique_ptr<QZVantrelPage> m_page;
};

TEST_F(ObjectCommandEditTest, ImageWritesWhatDiffersFromTheImageAndCarriesTheRest) {
    m_dialogs.mapFlag = TRUE;
    EXPECT_EQ(Edit("<<image :3, align=left, width=10, alt=\"Acme\", other=\"id=x\", "
                   "usemap=\"#m\", ismap, height=31, foo=1, bar>>"),
              "<<image :3,align=left,alt=\"Acme\",width=10,other=\"id=x\",usemap=\"#m\",ismap,"
              "foo=1,bar>>");
    EXPECT_EQ(m_dialogs.shownRest, "other=\"id=x\",foo=1,bar");
    EXPECT_TRUE(m_dialogs.shownMap);
    // The dialog's values; a cleared map flag drops ismap.
    m_dialogs.mapFlag = FALSE;
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& image = As<QZCmdImage>(command);
        image.m_nAlign = 5;
        image.m_nBorder = 2;
        image.m_nHSpace = 4;
        image.m_strOther.Empty();
    };
    EXPECT_EQ(Edit("<<image :3, align=top, other=\"id=x\", ismap>>"),
              "<<image :3,border=2,hspace=4>>");
}

TEST_F(ObjectCommandEditTest, AnotherImageGivesItsOwnRowsValues) {
    AddRow(ContentKindOf(OBJ_IMAGE), 4, "Icon",
           "ServiceDbID, ServiceID, FileName, AlternateText, Height, Width",
           "5, 10, 'icon.gif', 'Icon', 16, 16");
    // As the dialog does when another image is chosen: its size.
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& image = As<QZCmdImage>(command);
        image.SetImageKey(QZKeyCombo(5, 4, OBJ_IMAGE));
        image.m_nHeight = 16;
        image.m_nWidth = 16;
    };
    // The old image's alternate text was never the command's own.
    EXPECT_EQ(Edit("<<image :3>>"), "<<image :4>>");
    EXPECT_EQ(Edit("<<image \"5:3\", alt=\"Logo\">>"), "<<image :4,alt=\"Logo\">>");
}

TEST_F(ObjectCommandEditTest, AnotherActiveXObjectGivesItsOwnRowsTexts) {
    AddRow(ContentKindOf(OBJ_ACTIVEX), 20, "Chart",
           "ServiceDbID, ServiceID, ClassID, Name, Data, Border, Height, Width",
           "5, 10, 'E5F6', 'chart', 'chart.dat', 1, 50, 60");
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& object = As<QZCmdActiveX>(command);
        object.SetKey(QZKeyCombo(5, 20, OBJ_ACTIVEX));
        object.m_nHSpace = 0;
        object.m_nVSpace = 0;
    };
    EXPECT_EQ(Edit("<<activex :17, type=\"text/x-clock\">>"),
              "<<activex :20,type=\"text/x-clock\">>");
}

TEST_F(ObjectCommandEditTest, LinkWritesItsTextsAndCarriesParametersAndSecure) {
    AddPage(41, "Offers", "FileName", "'p2.html'");
    EXPECT_EQ(Edit("<<link :41, anchor=\"top\", n=5, secure=1, onclick=\"go()\", x>>"),
              "<<link :41,anchor=\"top\",onClick=\"go()\",n=5,secure=1,x>>");
    EXPECT_EQ(m_dialogs.shownRest, "n=5,secure=1,x");
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& link = As<QZCmdIntLink>(command);
        link.SetTargetKey(QZKeyCombo(7, 2, OBJ_PAGE));
        link.m_strAnchor.Empty();
        link.m_strTarget = "_top";
    };
    EXPECT_EQ(Edit("<<link linkid=:41, ANCHOR=\"top\">>"), "<<link 7:2,target=\"_top\">>");
    // An image stays an image.
    m_dialogs.edit = nullptr;
    EXPECT_EQ(Edit("<<link :3@image, other=\"id=i\">>"), "<<link :3@image,other=\"id=i\">>");
}

TEST_F(ObjectCommandEditTest, ActiveXWritesWhatDiffersAndCarriesTabindexAndFlags) {
    EXPECT_EQ(Edit("<<activex :17, tabindex=3, data=\"d.bin\", declare, width=60, zz=1>>"),
              "<<activex :17,data=\"d.bin\",tabindex=3,declare,zz=1>>");
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& object = As<QZCmdActiveX>(command);
        object.m_nAlign = 1;
        object.m_nWidth = 99;
        object.m_nBorder = 0;
    };
    EXPECT_EQ(Edit("<<activex :17, notab>>"), "<<activex :17,align=left,border=0,width=99,notab>>");
}

TEST_F(ObjectCommandEditTest, JavaWritesWhatDiffersAndCarriesItsTitle) {
    EXPECT_EQ(Edit("<<java :18, title=\"News\", alt=\"x\", download=2, height=20>>"),
              "<<java :18,alt=\"x\",download=2,title=\"News\">>");
    m_dialogs.edit = [](QZCommandBase& command) {
        auto& applet = As<QZCmdJava>(command);
        applet.m_nAlign = 4;
        applet.m_nHSpace = 7;
    };
    EXPECT_EQ(Edit("<<java :18>>"), "<<java :18,align=bottom,hspace=7>>");
}

TEST_F(ObjectCommandEditTest, MediaWritesItsTextsAndKeyAndCarriesTheRest) {
    m_dialogs.newKey = QZKeyCombo(5, 20, OBJ_MEDIA);
    EXPECT_EQ(Edit("<<media :19, other=\"id=j\", onmouseover=\"hi()\", extra=1>>"),
              "<<media :20,other=\"id=j\",onMouseOver=\"hi()\",extra=1>>");
    EXPECT_EQ(m_dialogs.shownKey, "5:19");
    EXPECT_EQ(m_dialogs.shownRest, "onmouseover=\"hi()\",extra=1");
}

TEST_F(ObjectCommandEditTest, AdSpaceWritesItsKeyAlone) {
    m_dialogs.newKey = QZKeyCombo(5, 14, OBJ_ADSPACE);
    EXPECT_EQ(Edit("<<adspace :12, x=1>>"), "<<adspace :14>>");
    EXPECT_EQ(m_dialogs.shownKey, "5:12");
}

TEST_F(ObjectCommandEditTest, AMissingKeyKeepsTheKeyTextAsWritten) {
    EXPECT_EQ(Edit("<<media>>"), "<<media >>");
    EXPECT_EQ(Edit("<<adspace n=1>>"), "<<adspace n=1>>");
    EXPECT_EQ(Edit("<<java width=3>>"), "<<java width=3>>");
}

TEST_F(ObjectCommandEditTest, CancelGivesAnEmptyText) {
    AddPage(41, "Offers", "FileName", "'p2.html'");
    m_dialogs.ok = false;
    for (const char* source : {"<<image :3>>", "<<link :41>>", "<<activex :17>>", "<<java :18>>",
                               "<<media :19>>", "<<adspace :12>>"}) {
        EXPECT_EQ(Edit(source), "") << source;
    }
    // Without dialogs every command cancels; extlink has none.
    SetCommandDialogs(nullptr);
    EXPECT_EQ(Edit("<<image :3>>"), "");
    EXPECT_EQ(Edit("<<extlink \"http://x.test/\">>"), "");
}

} // namespace
