#pragma once
// The ad's form: its advertiser and image (lists of the site's), the address a click leads to
// and the dates it runs. A new ad runs from today for 365 days. An ad without an advertiser
// shows none chosen and keeps none until one is picked.

#include "db/CAdSet.h"
#include "editors/QZBoundFormView.h"
#include "shell/QZListComboBoxes.h"

class QZVantrelAd;

class QZAdView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZAdView)
public:
    QZAdView();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

    // The dates an unset start or end date shows: today at midnight, and 365 days later.
    static COleDateTime DefaultStartDate(const COleDateTime& now);
    static COleDateTime DefaultEndDate(const COleDateTime& now);

private:
    CAdSet* Row() const;
    // Whether the ad came without an advertiser: none stored, or only the one opening gave it
    // that the site does not have.
    bool HasNoAdvertiser(const QZVantrelAd& ad) const;
    void FillMembers();
    void FillLists();

    CString m_strURL;
    COleDateTime m_StartDate;
    COleDateTime m_EndDate;
    QZKeyCombo m_ImageKey;
    QZKeyCombo m_AdvertiserKey;
    QZAdvertiserComboBox m_cbAdvertiser;
    QZImageComboBox m_cbImage;
};
