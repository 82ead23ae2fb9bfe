#pragma once
// A form view whose own fields are tied to the content object's columns through a field
// binding: the binding takes part in every exchange and stores the fields once the shared
// controls are saved. A view that stores its fields its own way overrides SaveToObject from
// QZFormView's. Views that also bring a file into the site attach their directory edit here.

#include "editors/QZFieldBinding.h"
#include "editors/QZFormView.h"

class QZDirectoryEdit;

class QZBoundFormView : public QZFormView {
    DECLARE_DYNAMIC(QZBoundFormView)
public:
    explicit QZBoundFormView(UINT nIDTemplate);

    BOOL SaveToObject() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The spins set up, then the shared controls; the title edit limited, and `directory`
    // attached to the template's directory edit where it has one.
    void InitBoundControls(int titleLimit, QZDirectoryEdit* directory = nullptr);

    QZFieldBinding m_binding;
};
