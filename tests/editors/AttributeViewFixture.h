#pragma once
// The attribute forms in their editors on a site with folders: service 5:10 "Acme" (directory
// "site", development tree "C:\dev" mapped into the test's folder) and section 5:20 "news".
// Forms are driven by setting their controls' texts and saving their documents; the fields of
// a form are checked as a table of cases.

#include "editors/QZObjectView.h"
#include "platform/ui/CFormView.h"
#include "tests/editors/EditorFixture.h"

#include <string>
#include <vector>

// One field of a form: what its control shows on opening, what is typed, and what its column
// then holds (numbers as their decimal text).
struct AttributeFieldCase {
    UINT id;
    std::string shown;
    std::string typed;
    const char* column;
    std::string stored;
    bool number = false;
};

// A text field's limit: that many characters are stored, one more is refused.
struct AttributeLimitCase {
    UINT id;
    int limit;
    const char* column;
};

class AttributeViewTest : public EditorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the object and shows its tab of that view class; the view.
    CFormView* OpenTab(SHORT type, LONG id, const char* viewClass);
    static std::string TextOf(CWnd* form, UINT id);
    static void Type(CWnd* form, UINT id, const std::string& text);
    // The full path of a file or folder under the test's folder ("dev/site/news").
    std::string UnderRoot(const std::string& relative) const;
    static void WriteFile(const std::string& path, const std::string& content);
    // The column of the kind's row 5:id as text (numbers in decimal).
    std::string Stored(const EditorKind& kind, LONG id, const char* column, bool number);

    // Each field shown, typed, saved and found in the row, the document modified only by a
    // change; an unchanged save marks nothing.
    void CheckFields(const EditorKind& kind, LONG id, const char* viewClass,
                     const std::vector<AttributeFieldCase>& cases);
    // Each text at its limit stored, one character more refused with the exchange's message
    // and the row unchanged.
    void CheckLimits(const EditorKind& kind, LONG id, const char* viewClass,
                     const std::vector<AttributeLimitCase>& cases);
    // A typed value refused on saving with exactly this message; the row unchanged.
    void CheckRefused(const EditorKind& kind, LONG id, const char* viewClass, UINT control,
                      const std::string& typed, const std::string& message, const char* column,
                      bool number);

private:
    bool m_hadRoot = false;
    std::string m_savedRoot;
};
