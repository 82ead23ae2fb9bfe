#pragma once
// Shows the wait cursor while it lives (when an application object runs).

class QZWaitCursor {
public:
    QZWaitCursor();
    ~QZWaitCursor();
    QZWaitCursor(const QZWaitCursor&) = delete;
    QZWaitCursor& operator=(const QZWaitCursor&) = delete;
};
