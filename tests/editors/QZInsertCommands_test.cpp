// Every insertion command on the in-memory buffer: the text and selection before, the text
// and caret after, and the undo pairs it records; then the outlines and Use Wizards' own
// dialogs (answered by a fake), and the commands left without effect on a read-only copy.

#include "editors/QZInsertCommands.h"
#include "editors/QZInsertDialogs.h"
#include "editors/QZListProps.h"
#include "editors/QZTableProps.h"
#include "tests/editors/TextEditorFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using Records = std::vector<std::string>;

// The pair of one insertion: the selected text and its range, the result and its range.
Records Pair(const std::string& selected, LONG start, LONG end, const std::string& result) {
    return {selected + "@" + std::to_string(start) + "-" + std::to_string(end) + "/0",
            result + "@" + std::to_string(start) + "-" +
                std::to_string(start + static_cast<LONG>(result.size())) + "/0"};
}

Records operator+(Records a, const Records& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct InsertCase {
    UINT id;
    std::string before;
    LONG selStart, selEnd;
    std::string after;
    LONG caret;
    Records pairs;
};

const std::string kList = "<lh>Heading</lh><br>\r\n\t<li>List Item 1 <br>\r\n"
                          "\t<li>List Item 2 <br>\r\n\t<li>List Item 3 <br>\r\n</ul><br>\r\n";

// With Use Wizards off.
const InsertCase kInsertCases[] = {
    {32800, "a word b", 2, 6,
     "a "
     "<hr>\r\n"
     " b",
     8, Pair("word", 2, 6, "<hr>\r\n")},
    {32801, "a word b", 2, 6,
     "a "
     "<br>\r\n"
     " b",
     8, Pair("word", 2, 6, "<br>\r\n")},
    {32810, "a word b", 2, 6,
     "a "
     "<p>\r\n"
     " b",
     7, Pair("word", 2, 6, "<p>\r\n")},
    {32895, "a word b", 2, 6,
     "a "
     "<a name=\"Anchor\">"
     " b",
     19, Pair("word", 2, 6, "<a name=\"Anchor\">")},
    {32762, "a word b", 2, 6,
     "a "
     "<<image :???"
     ">>"
     " b",
     16,
     Pair("word", 2, 6,
          "<<image :???"
          ">>")},
    {32789, "a word b", 2, 6,
     "a "
     "<<macro :???"
     ">>"
     " b",
     16,
     Pair("word", 2, 6,
          "<<macro :???"
          ">>")},
    {32794, "a word b", 2, 6,
     "a "
     "<<form :???"
     ">>"
     " b",
     15,
     Pair("word", 2, 6,
          "<<form :???"
          ">>")},
    {32790, "a word b", 2, 6,
     "a "
     "<<query :???"
     ">>\r\n\t<<firstrow>>\r\n\t<</firstrow>>\r\n\t<<norows>>\r\n<</query>>"
     " b",
     72,
     Pair("word", 2, 6,
          "<<query :???"
          ">>\r\n\t<<firstrow>>\r\n\t<</firstrow>>\r\n\t<<norows>>\r\n<</query>>")},
    {32897, "a word b", 2, 6,
     "a "
     "<<media :???"
     ">>\r\n<</media>>"
     " b",
     28,
     Pair("word", 2, 6,
          "<<media :???"
          ">>\r\n<</media>>")},
    {32802, "a word b", 2, 6,
     "a "
     "<<activex :???"
     ">>\r\n<</activex>>"
     " b",
     32,
     Pair("word", 2, 6,
          "<<activex :???"
          ">>\r\n<</activex>>")},
    {32795, "a word b", 2, 6,
     "a "
     "<<java :???"
     ">>\r\n<</java>>"
     " b",
     26,
     Pair("word", 2, 6,
          "<<java :???"
          ">>\r\n<</java>>")},
    {32898, "a word b", 2, 6,
     "a "
     "<<script :???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<script :???"
          ">>")},
    {32905, "a word b", 2, 6,
     "a "
     "<<adspace :???"
     ">>"
     " b",
     18,
     Pair("word", 2, 6,
          "<<adspace :???"
          ">>")},
    {32891, "a word b", 2, 6,
     "a "
     "<<file \"???\""
     ">>"
     " b",
     16,
     Pair("word", 2, 6,
          "<<file \"???\""
          ">>")},
    {32805, "a word b", 2, 6,
     "a "
     "// Your comments here "
     " b",
     24, Pair("word", 2, 6, "// Your comments here ")},
    {32823, "a word b", 2, 6,
     "a "
     "<<print Date>>"
     " b",
     16, Pair("word", 2, 6, "<<print Date>>")},
    {32824, "a word b", 2, 6,
     "a "
     "<<print Time>>"
     " b",
     16, Pair("word", 2, 6, "<<print Time>>")},
    {32825, "a word b", 2, 6,
     "a "
     "<<print Version>>"
     " b",
     19, Pair("word", 2, 6, "<<print Version>>")},
    {32826, "a word b", 2, 6,
     "a "
     "<<print LastChanged>>"
     " b",
     23, Pair("word", 2, 6, "<<print LastChanged>>")},
    {32827, "a word b", 2, 6,
     "a "
     "<<print LastGenerated>>"
     " b",
     25, Pair("word", 2, 6, "<<print LastGenerated>>")},
    {32828, "a word b", 2, 6,
     "a "
     "<<print [RowNumber]>>"
     " b",
     23, Pair("word", 2, 6, "<<print [RowNumber]>>")},
    {32839, "a word b", 2, 6,
     "a "
     "<<print [RowCount]>>"
     " b",
     22, Pair("word", 2, 6, "<<print [RowCount]>>")},
    {32804, "a word b", 2, 6,
     "a "
     "<<print URL>>"
     " b",
     15, Pair("word", 2, 6, "<<print URL>>")},
    {32842, "a word b", 2, 6,
     "a "
     "<<print Title>>"
     " b",
     17, Pair("word", 2, 6, "<<print Title>>")},
    {32871, "a word b", 2, 6,
     "a "
     "<<print Webmaster>>"
     " b",
     21, Pair("word", 2, 6, "<<print Webmaster>>")},
    {32830, "a word b", 2, 6,
     "a "
     "<<print Link>>"
     " b",
     16, Pair("word", 2, 6, "<<print Link>>")},
    {32760, "a word b", 2, 6,
     "a "
     "<<print Top>>"
     " b",
     15, Pair("word", 2, 6, "<<print Top>>")},
    {32831, "a word b", 2, 6,
     "a "
     "<<print right>>"
     " b",
     17, Pair("word", 2, 6, "<<print right>>")},
    {32832, "a word b", 2, 6,
     "a "
     "<<print middle>>"
     " b",
     18, Pair("word", 2, 6, "<<print middle>>")},
    {32833, "a word b", 2, 6,
     "a "
     "<<print left>>"
     " b",
     16, Pair("word", 2, 6, "<<print left>>")},
    {32834, "a word b", 2, 6,
     "a "
     "<<print bottom>>"
     " b",
     18, Pair("word", 2, 6, "<<print bottom>>")},
    {32850, "a word b", 2, 6,
     "a "
     "<input type=\"checkbox\" name=\"\" value=\"\">"
     " b",
     42, Pair("word", 2, 6, "<input type=\"checkbox\" name=\"\" value=\"\">")},
    {32858, "a word b", 2, 6,
     "a "
     "<input type=\"checkbox\" checked name=\"\" value=\"\">"
     " b",
     50, Pair("word", 2, 6, "<input type=\"checkbox\" checked name=\"\" value=\"\">")},
    {32851, "a word b", 2, 6,
     "a "
     "<input type=\"radio\" name=\"\" value=\"\">"
     " b",
     39, Pair("word", 2, 6, "<input type=\"radio\" name=\"\" value=\"\">")},
    {32859, "a word b", 2, 6,
     "a "
     "<input type=\"radio\" checked name=\"\" value=\"\">"
     " b",
     47, Pair("word", 2, 6, "<input type=\"radio\" checked name=\"\" value=\"\">")},
    {32852, "a word b", 2, 6,
     "a "
     "<input type=\"hidden\" name=\"\" value=\"\">"
     " b",
     40, Pair("word", 2, 6, "<input type=\"hidden\" name=\"\" value=\"\">")},
    {32853, "a word b", 2, 6,
     "a "
     "<input type=\"text\" name=\"\" value=\"\" size=\"30\" maxlength=\"30\">"
     " b",
     63,
     Pair("word", 2, 6, "<input type=\"text\" name=\"\" value=\"\" size=\"30\" maxlength=\"30\">")},
    {32854, "a word b", 2, 6,
     "a "
     "<textarea name=\"\" rows=\"4\" cols=\"50\"></textarea>"
     " b",
     50, Pair("word", 2, 6, "<textarea name=\"\" rows=\"4\" cols=\"50\"></textarea>")},
    {32856, "a word b", 2, 6,
     "a "
     "<input type=\"submit\" value=\"Submit\">"
     " b",
     38, Pair("word", 2, 6, "<input type=\"submit\" value=\"Submit\">")},
    {32857, "a word b", 2, 6,
     "a "
     "<input type=\"reset\" value=\"Reset\">"
     " b",
     36, Pair("word", 2, 6, "<input type=\"reset\" value=\"Reset\">")},
    {32846, "a word b", 2, 6,
     "a "
     "<<setdefault ???"
     "=???"
     ">>"
     " b",
     24,
     Pair("word", 2, 6,
          "<<setdefault ???"
          "=???"
          ">>")},
    {32847, "a word b", 2, 6,
     "a "
     "<<print ???"
     ">>"
     " b",
     15,
     Pair("word", 2, 6,
          "<<print ???"
          ">>")},
    {32848, "a word b", 2, 6,
     "a "
     "<<set ???"
     "=???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<set ???"
          "=???"
          ">>")},
    {32798, "a word b", 2, 6,
     "a "
     "<<set ???"
     "=???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<set ???"
          "=???"
          ">>")},
    {32874, "a word b", 2, 6,
     "a "
     "<<setcookie ???"
     "=???"
     ">>"
     " b",
     23,
     Pair("word", 2, 6,
          "<<setcookie ???"
          "=???"
          ">>")},
    {32796, "a word b", 2, 6,
     "a "
     "<<when ???"
     ">>\r\n\t<<is ???"
     ">>\r\n\t<<is otherwise>>\r\n<</when>>"
     " b",
     57,
     Pair("word", 2, 6,
          "<<when ???"
          ">>\r\n\t<<is ???"
          ">>\r\n\t<<is otherwise>>\r\n<</when>>")},
    {32797, "a word b", 2, 6,
     "a "
     "<<while ???"
     ">>\r\n<</while>>"
     " b",
     27,
     Pair("word", 2, 6,
          "<<while ???"
          ">>\r\n<</while>>")},
    {32819, "a word b", 2, 6,
     "a "
     "<<if ???"
     ">>\r\n<</if>>"
     " b",
     21,
     Pair("word", 2, 6,
          "<<if ???"
          ">>\r\n<</if>>")},
    {32892, "a word b", 2, 6,
     "a "
     "<<repeat>>\r\n<<until ???"
     ">>"
     " b",
     27,
     Pair("word", 2, 6,
          "<<repeat>>\r\n<<until ???"
          ">>")},
    {32881, "a word b", 2, 6,
     "a "
     "<<addrow :???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<addrow :???"
          ">>")},
    {32882, "a word b", 2, 6,
     "a "
     "<<addrows :???,table=???"
     ">>"
     " b",
     28,
     Pair("word", 2, 6,
          "<<addrows :???,table=???"
          ">>")},
    {32883, "a word b", 2, 6,
     "a "
     "<<delrow :???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<delrow :???"
          ">>")},
    {32884, "a word b", 2, 6,
     "a "
     "<<editrow :???"
     ">>"
     " b",
     18,
     Pair("word", 2, 6,
          "<<editrow :???"
          ">>")},
    {32885, "a word b", 2, 6,
     "a "
     "<<editrows :???,table=???"
     ">>"
     " b",
     29,
     Pair("word", 2, 6,
          "<<editrows :???,table=???"
          ">>")},
    {32886, "a word b", 2, 6,
     "a "
     "<<execquery :???"
     ">>"
     " b",
     20,
     Pair("word", 2, 6,
          "<<execquery :???"
          ">>")},
    {32904, "a word b", 2, 6,
     "a "
     "<<generate :???"
     ">>"
     " b",
     19,
     Pair("word", 2, 6,
          "<<generate :???"
          ">>")},
    {32889, "a word b", 2, 6,
     "a "
     "<<returnpage :???"
     ">>"
     " b",
     21,
     Pair("word", 2, 6,
          "<<returnpage :???"
          ">>")},
    {32890, "a word b", 2, 6,
     "a "
     "<<email :???"
     ">>"
     " b",
     16,
     Pair("word", 2, 6,
          "<<email :???"
          ">>")},
    {32907, "a word b", 2, 6,
     "a "
     "<<run ???,???"
     ">>"
     " b",
     17,
     Pair("word", 2, 6,
          "<<run ???,???"
          ">>")},
    // Wrap: around the selection, or the caret between the two parts.
    {32811, "a word b", 2, 6, "a <b>word</b> b", 13, Pair("word", 2, 6, "<b>word</b>")},
    {32811, "ab", 1, 1, "a<b></b>b", 4, Pair("", 1, 1, "<b></b>")},
    {32809, "a word b", 2, 6, "a <center>word</center> b", 23,
     Pair("word", 2, 6, "<center>word</center>")},
    {32809, "", 0, 0, "<center></center>", 8, Pair("", 0, 0, "<center></center>")},
    {32812, "word", 0, 4, "<i>word</i>", 11, Pair("word", 0, 4, "<i>word</i>")},
    {32812, "", 0, 0, "<i></i>", 3, Pair("", 0, 0, "<i></i>")},
    {32844, "word", 0, 4, "<em>word</em>", 13, Pair("word", 0, 4, "<em>word</em>")},
    {32844, "", 0, 0, "<em></em>", 4, Pair("", 0, 0, "<em></em>")},
    {32813, "word", 0, 4, "<h1>word</h1>", 13, Pair("word", 0, 4, "<h1>word</h1>")},
    {32813, "", 0, 0, "<h1></h1>", 4, Pair("", 0, 0, "<h1></h1>")},
    {32814, "word", 0, 4, "<h2>word</h2>", 13, Pair("word", 0, 4, "<h2>word</h2>")},
    {32814, "", 0, 0, "<h2></h2>", 4, Pair("", 0, 0, "<h2></h2>")},
    // The skeleton's line break is dropped around a selection.
    {32793, "a word b", 2, 6,
     "a <<link :???"
     ">>word<</link>> b",
     28,
     Pair("word", 2, 6,
          "<<link :???"
          ">>word<</link>>")},
    {32793, "ab", 1, 1,
     "a<<link :???"
     ">>\r\n<</link>>b",
     14,
     Pair("", 1, 1,
          "<<link :???"
          ">>\r\n<</link>>")},
    {32763, "word", 0, 4,
     "<<extlink href=\"http://???\""
     ">>word<</extlink>>",
     45,
     Pair("word", 0, 4,
          "<<extlink href=\"http://???\""
          ">>word<</extlink>>")},
    {32763, "", 0, 0,
     "<<extlink href=\"http://???\""
     ">>\r\n<</extlink>>",
     29,
     Pair("", 0, 0,
          "<<extlink href=\"http://???\""
          ">>\r\n<</extlink>>")},
    {32875, "word", 0, 4, "<<for i=0; i<10; i=i+1>>word<</for>>", 36,
     Pair("word", 0, 4, "<<for i=0; i<10; i=i+1>>word<</for>>")},
    {32910, "", 0, 0, "<<for i=0; i<10; i=i+1>>\r\n<</for>>", 24,
     Pair("", 0, 0, "<<for i=0; i<10; i=i+1>>\r\n<</for>>")},
    {32893, "word", 0, 4,
     "<<interpret ???"
     ">>word",
     21,
     Pair("word", 0, 4,
          "<<interpret ???"
          ">>word")},
    {32893, "", 0, 0,
     "<<interpret ???"
     ">>",
     17,
     Pair("", 0, 0,
          "<<interpret ???"
          ">>")},
    // Append: the selected word stays in front of the list.
    {32808, "a word b", 2, 6, "a word<ul>\r\n" + kList + " b",
     static_cast<LONG>(2 + 6 + kList.size()), Pair("word", 2, 6, "word<ul>\r\n" + kList)},
    // Four insertions, four pairs.
    {32855, "", 0, 0,
     "<select name=\"\">\r\n\t<option selected value=\"\">\r\n\t<option value=\"\">\r\n"
     "</select>\r\n",
     78,
     Pair("", 0, 0, "<select name=\"\">\r\n") +
         Pair("", 18, 18, "\t<option selected value=\"\">\r\n") +
         Pair("", 47, 47, "\t<option value=\"\">\r\n") + Pair("", 67, 67, "</select>\r\n")},
};

TEST(QZInsertCommands, EveryCommandInsertsItsTextWithItsPairs) {
    std::set<UINT> covered;
    for (const InsertCase& c : kInsertCases) {
        SCOPED_TRACE(c.id);
        Editor editor(c.before, c.selStart, c.selEnd);
        QZInsertCommands commands(editor.view, FALSE);
        EXPECT_TRUE(commands.IsEnabled(c.id));
        EXPECT_TRUE(commands.Run(c.id));
        EXPECT_EQ(editor.Text(), c.after);
        EXPECT_EQ(editor.Selection(), std::to_string(c.caret));
        EXPECT_EQ(editor.Undo(), c.pairs);
        EXPECT_TRUE(editor.view.IsModified());
        // Undoing every pair gives the text back; redoing them gives the result again.
        for (size_t i = 0; i < c.pairs.size() / 2; i++)
            editor.view.OnEditUndo();
        EXPECT_EQ(editor.Text(), c.before);
        for (size_t i = 0; i < c.pairs.size() / 2; i++)
            editor.view.OnEditRedo();
        EXPECT_EQ(editor.Text(), c.after);
        covered.insert(c.id);
    }
    // The table outline follows; every other command of the table is above.
    for (const QZInsertCommands::Entry& entry : QZInsertCommands::Table())
        EXPECT_EQ(covered.count(entry.id), entry.id == 32799 ? 0u : 1u) << entry.id;
    Editor editor;
    EXPECT_FALSE(QZInsertCommands(editor.view, FALSE).Run(32806));
}

TEST(QZInsertCommands, ATwoByTwoTableIsEighteenPairs) {
    Editor editor("x", 1);
    QZInsertCommands(editor.view, FALSE).Run(32799);
    const std::string table = "<table>\r\n"
                              "\t<tr>\r\n\t\t<td>Row 0 Col 0</td>\r\n\t\t<td>Row 0 Col 1</td>\r\n"
                              "\t</tr>\r\n"
                              "\t<tr>\r\n\t\t<td>Row 1 Col 0</td>\r\n\t\t<td>Row 1 Col 1</td>\r\n"
                              "\t</tr>\r\n"
                              "</table>\r\n";
    EXPECT_EQ(editor.Text(), "x" + table);
    EXPECT_EQ(editor.Selection(), std::to_string(1 + table.size()));
    Records undo = editor.Undo();
    ASSERT_EQ(undo.size(), 36u);
    EXPECT_EQ((Records{undo[0], undo[1], undo[2], undo[3], undo[4], undo[5]}),
              Pair("", 1, 1, "<table>\r\n") + Pair("", 10, 10, "\t<tr>\r\n") +
                  Pair("", 17, 17, "\t\t<td>"));
    EXPECT_EQ(undo[35], "</table>\r\n@" + std::to_string(1 + table.size() - 10) + "-" +
                            std::to_string(1 + table.size()) + "/0");
}

// Answers the outline dialogs as a user would: types the texts into the edits, presses OK
// (answering again while the values are refused) or Cancel.
class FakeInsertDialogs : public QZInsertDialogs {
public:
    FakeInsertDialogs() { m_previous = SetInsertDialogs(this); }
    ~FakeInsertDialogs() override { SetInsertDialogs(m_previous); }

    int TableSize(QZTableProps& props) override {
        shownRows = props.m_nRows;
        shownColumns = props.m_nColumns;
        for (const auto& typed : tableEntries)
            if (props.SaveFields(typed.first, typed.second))
                return ok ? IDOK : IDCANCEL;
        return IDCANCEL;
    }
    CString QueryWizard() override {
        wizardRuns++;
        return ok ? wizardText : CString();
    }
    int ListProps(QZListProps& props) override {
        shownHeading = props.m_strHeading.str();
        shownRows = props.m_nRows;
        shownBullet = props.m_nBullet;
        if (!ok)
            return IDCANCEL;
        props.SaveFields(heading, rows, bullet);
        return IDOK;
    }

    bool ok = true;
    std::vector<std::pair<CString, CString>> tableEntries;
    CString heading = "Heading";
    CString rows = "3";
    int bullet = 0;
    UINT shownRows = 99, shownColumns = 99;
    std::string shownHeading;
    int shownBullet = 99;
    CString wizardText = "<<query :5:7>>";
    int wizardRuns = 0;

private:
    QZInsertDialogs* m_previous;
};

TEST(QZInsertCommands, TheTableDialogSizesTheTableAndRefusesWhatIsNoNumber) {
    MessageBoxRecorder boxes;
    FakeInsertDialogs dialogs;
    dialogs.tableEntries = {{"0", "3"}};
    Editor editor;
    QZInsertCommands commands(editor.view, TRUE);
    commands.Run(32799);
    EXPECT_EQ(dialogs.shownRows, 2u);
    EXPECT_EQ(dialogs.shownColumns, 2u);
    EXPECT_EQ(editor.Text(), "<table>\r\n</table>\r\n");
    EXPECT_EQ(editor.Undo(), Pair("", 0, 0, "<table>\r\n") + Pair("", 9, 9, "</table>\r\n"));

    // A word in the rows is refused with the message, and the values stay; then 1 by 1.
    dialogs.tableEntries = {{"two", "1"}, {"1", " 1 "}};
    Editor one;
    QZInsertCommands(one.view, TRUE).Run(32799);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Please enter a positive integer."}));
    EXPECT_EQ(one.Text(),
              "<table>\r\n\t<tr>\r\n\t\t<td>Row 0 Col 0</td>\r\n\t</tr>\r\n</table>\r\n");

    QZTableProps props;
    props.m_nRows = 2;
    for (const char* refused : {"", "-1", "1.5", "x2", "99999999999"})
        EXPECT_FALSE(props.SaveFields(refused, "1")) << refused;
    EXPECT_EQ(props.m_nRows, 2u);

    // Cancel inserts nothing.
    dialogs.ok = false;
    dialogs.tableEntries = {{"1", "1"}};
    Editor cancelled("x");
    QZInsertCommands(cancelled.view, TRUE).Run(32799);
    EXPECT_EQ(cancelled.Text(), "x");
    EXPECT_TRUE(cancelled.Undo().empty());
    EXPECT_FALSE(cancelled.view.IsModified());
}

TEST(QZInsertCommands, TheListDialogGivesTheHeadingRowsAndEachBullet) {
    FakeInsertDialogs dialogs;
    const char* const openings[] = {"<ul>\r\n", "<ul type=disc>\r\n", "<ul type=circle>\r\n",
                                    "<ul type=square>\r\n"};
    for (int bullet = 0; bullet < 4; bullet++) {
        dialogs.bullet = bullet;
        dialogs.heading = "Tools";
        dialogs.rows = "1";
        Editor editor;
        QZInsertCommands(editor.view, TRUE).Run(32808);
        EXPECT_EQ(dialogs.shownHeading, "Heading");
        EXPECT_EQ(dialogs.shownRows, 3u);
        EXPECT_EQ(dialogs.shownBullet, 0);
        std::string list = std::string(openings[bullet]) +
                           "<lh>Tools</lh><br>\r\n\t<li>List Item 1 <br>\r\n</ul><br>\r\n";
        EXPECT_EQ(editor.Text(), list);
        EXPECT_EQ(editor.Undo(), Pair("", 0, 0, list));
    }
    dialogs.ok = false;
    Editor cancelled;
    QZInsertCommands(cancelled.view, TRUE).Run(32808);
    EXPECT_EQ(cancelled.Text(), "");
    EXPECT_TRUE(cancelled.Undo().empty());
}

TEST(QZInsertCommands, InsertQueryUnderUseWizardsTakesTheWizardsTextOrNothing) {
    FakeInsertDialogs dialogs;
    Editor editor("a word b", 2, 6);
    QZInsertCommands(editor.view, TRUE).Run(32790);
    EXPECT_EQ(editor.Text(), "a <<query :5:7>> b");
    EXPECT_EQ(editor.Undo(), Pair("word", 2, 6, "<<query :5:7>>"));

    dialogs.ok = false;
    Editor cancelled("a word b", 2, 6);
    QZInsertCommands(cancelled.view, TRUE).Run(32790);
    EXPECT_EQ(cancelled.Text(), "a word b");
    EXPECT_TRUE(cancelled.Undo().empty());
    EXPECT_EQ(dialogs.wizardRuns, 2);
}

// Every editing command on a read-only copy: nothing changes, nothing is recorded, nothing
// is marked modified, and the commands are greyed; selecting still works.
TEST(QZEditViewLogicReadOnly, NoEditingCommandChangesACopyAnotherUserHolds) {
    const std::string text = "<<print Date>>\r\nab";
    struct Command {
        const char* name;
        std::function<void(Editor&)> run;
    } commands[] = {
        {"typing", [](Editor& e) { e.control.TypeText("x"); }},
        {"Enter", [](Editor& e) { e.control.TypeText("\r\n"); }},
        {"Backspace", [](Editor& e) { e.control.Backspace(); }},
        {"Delete", [](Editor& e) { e.control.Delete(); }},
        {"InsertText",
         [](Editor& e) { e.view.InsertText("<hr>", QZEditViewLogic::INSERT_REPLACE, TRUE); }},
        {"InsertCommandWithProperties",
         [](Editor& e) {
             e.view.InsertCommandWithProperties("<<print ???"
                                                ">>",
                                                TRUE);
         }},
        {"Properties", [](Editor& e) { e.control.EditCommandProperties(); }},
        {"Undo", [](Editor& e) { e.view.OnEditUndo(); }},
        {"Redo", [](Editor& e) { e.view.OnEditRedo(); }},
        {"every insertion command",
         [](Editor& e) {
             FakeInsertDialogs dialogs;
             for (const QZInsertCommands::Entry& entry : QZInsertCommands::Table()) {
                 for (BOOL wizards : {FALSE, TRUE}) {
                     QZInsertCommands insert(e.view, wizards);
                     EXPECT_FALSE(insert.IsEnabled(entry.id));
                     EXPECT_TRUE(insert.Run(entry.id));
                 }
             }
             EXPECT_EQ(dialogs.shownRows, 99u);
         }},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        Editor editor;
        editor.target.text = CString(text);
        editor.target.writable = FALSE;
        editor.view.OnInitialUpdate();
        EXPECT_TRUE(editor.view.IsReadOnly());
        // Records an earlier run might have left are kept as they are.
        editor.view.RecordUndo(QZUndoRedo("", 0, 0, 0), QZUndoRedo("z", 0, 1, 1));
        editor.view.GetRedoList() = {QZUndoRedo("", 2, 2, 0), QZUndoRedo("y", 2, 3, 1)};
        std::string styles = editor.buffer.GetStyles();
        editor.buffer.SetSel(4, 6);
        command.run(editor);
        EXPECT_EQ(editor.Text(), text);
        EXPECT_EQ(editor.buffer.GetStyles(), styles);
        EXPECT_FALSE(editor.view.IsModified());
        EXPECT_EQ(editor.Undo(), (Records{"@0-0/0", "z@0-1/1"}));
        EXPECT_EQ(editor.Redo(), (Records{"@2-2/0", "y@2-3/1"}));
        EXPECT_FALSE(editor.view.CanUndo());
        EXPECT_FALSE(editor.view.CanRedo());
        EXPECT_FALSE(editor.view.CanEdit());
    }
}

TEST(QZEditViewLogicStatus, TheStatusPaneCountsLinesAndCharactersFromOne) {
    struct Case {
        std::string text;
        LONG selStart, selEnd;
        const char* status;
    } cases[] = {
        {"", 0, 0, " Ln 1, Col 1"},
        {"ab\r\ncd", 6, 6, " Ln 2, Col 3"},
        {"ab\r\ncd", 1, 5, " Ln 2, Col 2"}, // the selection's end
        {"\t\xc3\xa9x", 4, 4, " Ln 1, Col 4"},
        {"a\nb\rc", 5, 5, " Ln 3, Col 2"},
    };
    for (const Case& c : cases) {
        Editor editor(c.text, c.selStart, c.selEnd);
        EXPECT_EQ(editor.view.GetStatusText().str(), c.status) << c.text;
    }
}

} // namespace
