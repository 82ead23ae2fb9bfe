#pragma once
// "ActiveX Command": the ActiveX object an activex command embeds, with its spacing, size, border
// and alignment.

#include "content/QZVantrelActiveX.h"
#include "content/commands/QZCmdActiveX.h"
#include "editors/QZEmbeddedPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZActiveXProps
    : public QZEmbeddedPropsDlg<QZCmdActiveX, QZVantrelActiveX, QZActiveXComboBox> {
public:
    explicit QZActiveXProps(QZCmdActiveX& command);
};
