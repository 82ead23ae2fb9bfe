#pragma once
// The seeded site of ShellSiteTest seen through the site browser's tree models: the
// application on service 5:1 and section 5:10 with comments and delete confirmation on, the
// editors' actions faked and recorded (the main frame's refresh reaches the fixture's trees),
// message boxes and engine messages recorded, the program's paths mapped into the test's
// folder, and a data database "C:\data\people.mdb" with the site's query objects naming it.
//
// people.mdb: table People (Name text 299, Bio memo, Age long); stored queries NoParams
// (Name), OneParam (who: Name, Bio) and TwoParams (who, age: Name). Query objects of service
// 5:1: 5:20 "People" (the table), 5:21 "No Params", 5:22 "One Param", 5:23 "Two Params".

#include "shell/QZServiceBarModel.h"
#include "tests/content/EngineMessageRecorder.h"
#include "tests/shell/ShellSiteFixture.h"
#include "tests/support/TestSupport.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

// The editors and main frame as the trees see them, recording what they are asked.
class FakeTreeActions : public QZTreeActions {
public:
    BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type) override;
    void ActivateEditorTab(int index) override { tabs.push_back(index); }
    void OpenObject(const QZKeyCombo& key) override;
    void InsertTextInActiveEditor(const CString& text) override { inserted.push_back(text.str()); }
    void RefreshObjectTree(SHORT type, const QZKeyCombo& key) override;
    void SendMainCommand(UINT command) override;

    // Objects (type, KeyID) whose editor is open.
    std::set<std::pair<SHORT, LONG>> openEditors;
    std::vector<int> tabs;
    std::vector<std::string> opened;
    std::vector<std::string> inserted;
    std::vector<std::string> refreshed;
    std::vector<UINT> commands;
    // The section key the application held when each command was sent.
    std::vector<std::string> sectionAtCommand;
    QZServiceBarModel* bar = nullptr;
};

class TreeTest : public ShellSiteTest {
protected:
    static constexpr LONG kPeople = 20;
    static constexpr LONG kNoParams = 21;
    static constexpr LONG kOneParam = 22;
    static constexpr LONG kTwoParams = 23;

    void SetUp() override;
    void TearDown() override;

    // Loads every tree for service 5:1.
    void LoadAll() { m_bar.LoadAllTrees(QZKeyCombo(5, 1, OBJ_SERVICE)); }
    // Selects the item of 5:id of the type in the tree; fails the test when there is none.
    QZTreeItem* Select(QZTreeModel& tree, SHORT type, LONG id);
    // The labels of the tree's items, depth first, children indented by two blanks.
    static std::vector<std::string> Labels(const QZTreeModel& tree);
    // The claim count on 5:id of the type.
    long Claims(SHORT type, LONG id);
    std::string UnderRoot(const std::string& relative) const;

    FakeTreeActions m_actions;
    QZServiceBarModel m_bar{&m_actions};
    MessageBoxRecorder m_boxes;
    EngineMessageRecorder m_messages;

private:
    void MakePeopleFile();
    bool m_hadRoot = false;
    std::string m_savedRoot;
};
