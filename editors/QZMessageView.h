#pragma once
// The e-mail message's body editor: template text whose output is the mail's body. Its print
// commands (57606 to 57609) are the text editor's: the base's message map handles them.

#include "editors/QZEditView.h"

class QZMessageView : public QZEditView {
    DECLARE_DYNCREATE(QZMessageView)
public:
    QZMessageView() = default;
};
