#pragma once
// The page header editor (the page's "Header" tab): it edits the page's Header field,
// coloured and parsed as the page's text.

#include "editors/QZEditView.h"

class QZHeaderView : public QZEditView {
    DECLARE_DYNCREATE(QZHeaderView)
public:
    QZHeaderView() = default;

protected:
    std::unique_ptr<QZEditTarget> MakeTarget(QZVantrelBase* object) override;
};
