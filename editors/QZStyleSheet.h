#pragma once
// The "Style" tab of the style editor: the style's background image, chosen from the images of
// its site, and its five page colours, chosen in colour wells and stored as six capital
// hexadecimal digits. A stored colour is rewritten only when its value changed.

#include "db/CStylesSet.h"
#include "editors/QZBoundFormView.h"
#include "shell/QZListComboBoxes.h"
#include "wintoolkit/colorwell/SECWellButton.h"

class QZAttributes;

class QZStyleSheet : public QZBoundFormView {
    DECLARE_DYNCREATE(QZStyleSheet)
public:
    QZStyleSheet();
    ~QZStyleSheet() override;

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

    QZImageComboBox m_cbImage;
    SECWellButton m_wellBackColor;
    SECWellButton m_wellTextColor;
    SECWellButton m_wellLinkColor;
    SECWellButton m_wellActiveLinkColor;
    SECWellButton m_wellUsedLinkColor;

private:
    // A colour of the style: its well and its column.
    struct Colour {
        SECWellButton QZStyleSheet::*well;
        UINT id;
        CString CStylesSet::*column;
    };
    static const Colour s_colours[5];

    QZAttributes* Style() const;
    // The style's background-image key, and the images of the style's own site (the selected
    // site for a style that has none) with "None", that key selected.
    void FillImages();
    void SetWellColours();

    QZKeyCombo m_backImageKey;
};
