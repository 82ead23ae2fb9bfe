#pragma once
// "Java Command": the Java applet a java command embeds, with its spacing, size and alignment.

#include "content/QZVantrelJava.h"
#include "content/commands/QZCmdJava.h"
#include "editors/QZEmbeddedPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZJavaProps : public QZEmbeddedPropsDlg<QZCmdJava, QZVantrelJava, QZJavaComboBox> {
public:
    explicit QZJavaProps(QZCmdJava& command);
};
