#pragma once
// The scheduled event's text editor: the commands the event runs, edited as any template text.

#include "editors/QZEditView.h"

class QZEventView : public QZEditView {
    DECLARE_DYNCREATE(QZEventView)
public:
    QZEventView() = default;
};
