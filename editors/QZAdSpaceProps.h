#pragma once
// The ad space command's dialog on the shared "Action Command" template: the ad space, its key
// changed in place on OK; the "Other:" text shows but is not exchanged.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZAdSpaceProps : public QZObjectPropsDlg {
public:
    explicit QZAdSpaceProps(QZKeyCombo& key);

private:
    QZAdSpaceComboBox m_AdSpaces;
};
