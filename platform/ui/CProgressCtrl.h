#pragma once
// A progress bar control of a dialog: a bar filled from the lower to the upper bound of its
// range, advanced by a fixed step. Defaults: range 0 to 100, step 10, position 0.

#include "platform/ui/CWnd.h"

class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper);
    void GetRange(int& lower, int& upper) const;
    // Returns the position before.
    int SetPos(int pos);
    int GetPos() const;
    // Returns the step before.
    int SetStep(int step);
    // Advances by the step (starting over past the upper bound); returns the position before.
    int StepIt();
};
