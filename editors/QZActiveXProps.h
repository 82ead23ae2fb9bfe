#pragma once
// "ActiveX Command": the ActiveX object an activex command embeds, with its spacing, size, border
// and alignment. Choosing an object takes its stored numbers and the alignment "Middle".

#include "editors/QZPlacementPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdActiveX;

class QZActiveXProps : public QZPlacementPropsDlg {
public:
    explicit QZActiveXProps(QZCmdActiveX& command);

protected:
    void FillLists() override;
    void OnObjectChosen() override;
    void StoreFields() override;

private:
    QZCmdActiveX& m_command;
    QZActiveXComboBox m_Objects;
};
