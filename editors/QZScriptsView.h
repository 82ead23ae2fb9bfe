#pragma once
// The script text editor.

#include "editors/QZEditView.h"

class QZScriptsView : public QZEditView {
    DECLARE_DYNCREATE(QZScriptsView)
public:
    QZScriptsView() = default;
};
