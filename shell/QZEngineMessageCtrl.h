#pragma once
// The output pane's log: a read-only text control that shows one line per engine message, in
// the desktop's fixed-pitch face and the plain-text colour, lines that speak of an "error" in
// red. Typed characters change nothing.

#include "platform/ui/CRichEditCtrl.h"

class QZEngineMessage;

class QZEngineMessageCtrl : public CRichEditCtrl {
    DECLARE_DYNAMIC(QZEngineMessageCtrl)
public:
    QZEngineMessageCtrl();

    // Appends the message's display line and deletes the message; a null message is ignored.
    void AddMessage(QZEngineMessage* message);
    // Empties the log.
    void Clear();
    // The caret's line and column, counted from 1.
    int GetCaretLine() const;
    int GetCaretColumn() const;

    // The colour of lines that report an error.
    static constexpr COLORREF kErrorColor = RGB(255, 0, 0);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;

private:
    CHARFORMAT m_cf;
};
