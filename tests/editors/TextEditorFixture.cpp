#include "tests/editors/TextEditorFixture.h"

Editor::Editor(const std::string& text, LONG selStart, LONG selEnd) {
    target.text = CString(text);
    view.OnInitialUpdate();
    buffer.SetSel(selStart, selEnd < 0 ? selStart : selEnd);
}

std::string Editor::Selection() const {
    LONG start = 0, end = 0;
    buffer.GetSel(start, end);
    if (start == end)
        return std::to_string(start);
    return std::to_string(start) + "-" + std::to_string(end);
}

std::vector<std::string> Editor::Records(const std::vector<QZUndoRedo>& records) {
    std::vector<std::string> texts;
    for (const QZUndoRedo& r : records)
        texts.push_back(r.m_strText.str() + "@" + std::to_string(r.m_nStart) + "-" +
                        std::to_string(r.m_nEnd) + "/" + std::to_string(r.m_nKind));
    return texts;
}
