#pragma once
// The "Properties" tab of the ActiveX object editor: class id, name, data, stand-by text, tab
// and shape switches, size, spacing and border. An empty class id shows as "clsid:".

#include "editors/QZBoundFormView.h"

class QZVantrelActiveX;

class QZActiveXView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZActiveXView)
public:
    QZActiveXView();
    ~QZActiveXView() override;

    void OnInitialUpdate() override;

    CString m_strStandBy;
    CString m_strClassID;
    CString m_strName;
    CString m_strData;
    CString m_strDataType;
    int m_bNoTab = 0;
    int m_bShapes = 0;
    int m_nHSpace = 0;
    int m_nVSpace = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBorder = 0;

private:
    QZVantrelActiveX* ActiveX() const;
};
