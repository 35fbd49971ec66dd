#include "ProgressBarModel.h"

#include <algorithm>

namespace {
int Low16(int value) { return value & 0xFFFF; }
}  // namespace

void ProgressBarModel::SetRange(int lower, int upper) {
    m_lower = Low16(lower);
    m_upper = Low16(upper);
    SetPos(m_pos);
}

void ProgressBarModel::SetPos(int position) {
    m_pos = m_upper < m_lower ? m_lower : std::clamp(position, m_lower, m_upper);
}

void ProgressBarModel::StepIt() {
    const long long next = static_cast<long long>(m_pos) + m_step;
    m_pos = next > m_upper ? m_lower : static_cast<int>(std::max<long long>(next, m_lower));
}
