#pragma once

// The behaviour of a progress bar control: 16-bit limits, a position clamped
// to the range, and stepping that starts over from the lower limit once it
// passes the upper one.
class ProgressBarModel {
public:
    void SetRange(int lower, int upper);
    void SetPos(int position);
    void SetStep(int step) { m_step = step; }
    void StepIt();

    int lower() const { return m_lower; }
    int upper() const { return m_upper; }
    int pos() const { return m_pos; }
    int step() const { return m_step; }

private:
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    int m_step = 10;
};
