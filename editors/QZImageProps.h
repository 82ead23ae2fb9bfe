#pragma once
// "Image Command": the image of an image command, chosen under a section of its site, with its
// spacing, size, border, alignment, image-map use and further attributes.

#include "editors/QZPlacementPropsDlg.h"
#include "shell/QZListComboBoxes.h"
#include "shell/QZSectionComboBox.h"

class QZCmdImage;

class QZImageProps : public QZPlacementPropsDlg {
public:
    // `hasMap`: whether the command's image has an image-map file; set or cleared on OK.
    QZImageProps(QZCmdImage& command, BOOL& hasMap, const CString& rest);

    BOOL m_bUseMap = FALSE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    void OnSectionChosen() override;
    void OnObjectChosen() override;
    void StoreFields() override;

private:
    QZCmdImage& m_command;
    BOOL& m_hasMap;
    QZKeyCombo m_SiteKey;
    QZKeyCombo m_SectionKey;
    QZSectionComboBox m_Sections;
    QZImageSectionComboBox m_Images;
    CButton m_UseMapBox;
};
