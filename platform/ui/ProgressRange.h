#pragma once
// The state of a progress bar (range, position, step) with the rules of the original common
// control; the bar window draws it.

class ProgressRange {
public:
    // Sets the range; a position outside it moves to the nearer bound.
    void SetRange(int lower, int upper);
    int GetLower() const { return m_lower; }
    int GetUpper() const { return m_upper; }
    // Sets the position, kept inside the range; returns the position before.
    int SetPos(int pos);
    int GetPos() const { return m_pos; }
    // Returns the step before.
    int SetStep(int step);
    int GetStep() const { return m_step; }
    // Advances the position by the step and returns the position before. A position carried
    // past one end of the range starts over from the other end.
    int StepIt();

private:
    int Clamp(int pos) const;

    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    int m_step = 10;
};
