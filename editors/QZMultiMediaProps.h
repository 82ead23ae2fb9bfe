#pragma once
// "Media Command": the multimedia object a media command links, its key changed in place on
// OK. The further parameters sit in the hidden "Other:" text and are not handed back.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZMultiMediaProps : public QZObjectPropsDlg {
public:
    QZMultiMediaProps(QZKeyCombo& key, const CString& parameters);

private:
    QZMultiMediaComboBox m_Media;
};
