#pragma once
// "Java Command": the Java applet an java command embeds, with its spacing, size and
// alignment. Choosing an object takes its stored numbers and the alignment "Middle".

#include "editors/QZPlacementPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdJava;

class QZJavaProps : public QZPlacementPropsDlg {
public:
    explicit QZJavaProps(QZCmdJava& command);

protected:
    void FillLists() override;
    void OnObjectChosen() override;
    void StoreFields() override;

private:
    QZCmdJava& m_command;
    QZJavaComboBox m_Objects;
};
