// Cut, Paste, drops and dropped files on the in-memory buffer: the undo pairs each records, the
// move within the editor that one Undo reverses, the file commands, the editor's line ends, and
// a read-only copy that takes nothing.

#include "editors/QZEditTransfer.h"
#include "platform/ui/InsertTextData.h"
#include "tests/editors/TextEditorFixture.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<std::string>;

struct TransferEditor {
    explicit TransferEditor(const std::string& text, LONG selStart = 0, LONG selEnd = -1)
        : editor(text, selStart, selEnd) {}
    Editor editor;
    QZEditTransfer transfer{editor.view};
};

} // namespace

TEST(QZEditTransfer, CutTakesTheSelectionOutWithOnePairAndUndoPutsItBack) {
    TransferEditor t("one two three", 4, 8);
    EXPECT_TRUE(t.transfer.CanCut());
    t.transfer.Cut();
    EXPECT_EQ(t.editor.Text(), "one three");
    EXPECT_EQ(t.editor.Undo(), (Records{"two @4-8/0", "@4-4/0"}));
    EXPECT_EQ(t.editor.Selection(), "4");
    EXPECT_TRUE(t.editor.view.IsModified());
    EXPECT_FALSE(t.transfer.CanCut()) << "nothing selected";
    t.editor.view.OnEditUndo();
    EXPECT_EQ(t.editor.Text(), "one two three");
    EXPECT_EQ(t.editor.Selection(), "4-8");
}

TEST(QZEditTransfer, PastedTextTakesTheEditorsLineEndsWithOnePair) {
    TransferEditor t("ab", 1, 1);
    t.transfer.Paste("x\ny\r\nz\r");
    EXPECT_EQ(t.editor.Text(), "ax\r\ny\r\nz\r\nb");
    EXPECT_EQ(t.editor.Undo(), (Records{"@1-1/0", "x\r\ny\r\nz\r\n@1-10/0"}));
    EXPECT_EQ(t.editor.Selection(), "10");
    EXPECT_EQ(QZEditTransfer::WithEditorLineEnds("\n\n\r\r\n").str(), "\r\n\r\n\r\n\r\n");
}

TEST(QZEditTransfer, TextFromElsewhereIsDroppedAtThePointWithOnePair) {
    for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE}) {
        TransferEditor t("abcd", 0, 4);
        EXPECT_EQ(t.transfer.DropText("X\nY", 2, effect), effect);
        EXPECT_EQ(t.editor.Text(), "abX\r\nYcd");
        EXPECT_EQ(t.editor.Undo(), (Records{"@2-2/0", "X\r\nY@2-6/0"}));
        EXPECT_EQ(t.editor.Selection(), "6");
    }
}

struct MoveCase {
    const char* name;
    LONG from, to, drop;
    DWORD effect;
    std::string after;
    Records undo;
    std::string selection;
};

TEST(QZEditTransfer, ADragWithinTheEditorMovesOrCopiesAndOneUndoReversesIt) {
    const std::string text = "one two three";
    const MoveCase cases[] = {
        {"moved forward: the text lands before the drop point by its length", 4, 8, 13,
         DROPEFFECT_MOVE, "one threetwo ", Records{"two @4-8/1", "two @9-13/1"}, "13"},
        {"moved back", 8, 13, 0, DROPEFFECT_MOVE, "threeone two ",
         Records{"three@8-13/1", "three@0-5/1"}, "5"},
        {"copied with Ctrl", 4, 8, 13, DROPEFFECT_COPY, "one two threetwo ",
         Records{"@13-13/0", "two @13-17/0"}, "17"},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        TransferEditor t(text, c.from, c.to);
        t.transfer.BeginDrag(c.from, c.to);
        EXPECT_EQ(t.transfer.DropText("ignored: the source's own bytes move", c.drop, c.effect),
                  c.effect);
        t.transfer.EndDrag(c.effect);
        EXPECT_FALSE(t.transfer.IsDragging());
        EXPECT_EQ(t.editor.Text(), c.after);
        EXPECT_EQ(t.editor.Undo(), c.undo);
        EXPECT_EQ(t.editor.Selection(), c.selection);
        t.editor.view.OnEditUndo();
        EXPECT_EQ(t.editor.Text(), text);
        t.editor.view.OnEditRedo();
        EXPECT_EQ(t.editor.Text(), c.after);
    }
}

TEST(QZEditTransfer, ADropOntoTheDraggedTextChangesNothingAndAMoveOutTakesTheSourceOut) {
    TransferEditor inside("one two three", 4, 8);
    inside.transfer.BeginDrag(4, 8);
    EXPECT_EQ(inside.transfer.DropText("two ", 6, DROPEFFECT_MOVE), DROPEFFECT_NONE);
    inside.transfer.EndDrag(DROPEFFECT_NONE);
    EXPECT_EQ(inside.editor.Text(), "one two three");
    EXPECT_TRUE(inside.editor.Undo().empty());

    TransferEditor out("one two three", 4, 8);
    out.transfer.BeginDrag(4, 8);
    out.transfer.EndDrag(DROPEFFECT_MOVE);
    EXPECT_EQ(out.editor.Text(), "one three");
    EXPECT_EQ(out.editor.Undo(), (Records{"two @4-8/0", "@4-4/0"}));

    TransferEditor copied("one two three", 4, 8);
    copied.transfer.BeginDrag(4, 8);
    copied.transfer.EndDrag(DROPEFFECT_COPY);
    EXPECT_EQ(copied.editor.Text(), "one two three");
}

TEST(QZEditTransfer, DroppedFilesBecomeFileCommandsWithTheirWholePaths) {
    TransferEditor t("ab", 1, 1);
    const std::string longPath = "/tmp/" + std::string(300, 'd') + "/page.html";
    t.transfer.DropFiles({CString("/home/me/My Pages/a \"b\".html"), CString(longPath)});
    EXPECT_EQ(t.editor.Text(),
              "a<<file \"/home/me/My Pages/a \\\"b\\\".html\">><<file \"" + longPath + "\">>b");
    EXPECT_EQ(t.editor.Undo().size(), 4u);
}

TEST(QZEditTransfer, AReadOnlyCopyTakesNothingAndStaysUnmodified) {
    TransferEditor t("one two", 0, 3);
    t.editor.view.SetReadOnly(TRUE);
    t.editor.view.SetModified(FALSE);
    EXPECT_FALSE(t.transfer.CanCut());
    t.transfer.Cut();
    t.transfer.Paste("x");
    EXPECT_EQ(t.transfer.DropText("x", 1, DROPEFFECT_COPY), DROPEFFECT_NONE);
    t.transfer.BeginDrag(0, 3);
    EXPECT_EQ(t.transfer.DropText("x", 7, DROPEFFECT_MOVE), DROPEFFECT_NONE);
    t.transfer.EndDrag(DROPEFFECT_MOVE);
    t.transfer.DropFiles({CString("/a")});
    EXPECT_EQ(t.editor.Text(), "one two");
    EXPECT_TRUE(t.editor.Undo().empty());
    EXPECT_FALSE(t.editor.view.IsModified());
}
