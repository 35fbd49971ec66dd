#pragma once

#include <QString>
#include <vector>

#include "ProgressReport.h"

// A progress window that remembers what every Refresh showed.
class RecordingProgress : public ProgressReport {
public:
    struct Shown {
        QString caption, line1, line2;
        int stepPos, stepUpper, totalPos, totalUpper;
    };

    void Reset() override {
        m_caption.clear();
        m_line1.clear();
        m_line2.clear();
        m_step.SetRange(0, 0);
        m_step.SetPos(0);
        m_total.SetRange(0, 0);
        m_total.SetPos(0);
    }
    void SetCaption(const QString& caption) override { m_caption = caption; }
    void SetLine1(const QString& text) override { m_line1 = text; }
    void SetLine2(const QString& text) override { m_line2 = text; }
    ProgressBarModel& StepBar() override { return m_step; }
    ProgressBarModel& TotalBar() override { return m_total; }
    void Refresh() override {
        shown.push_back({m_caption, m_line1, m_line2, m_step.pos(), m_step.upper(), m_total.pos(),
                         m_total.upper()});
        visible = true;
    }
    void Hide() override { visible = false; }

    const Shown& last() const { return shown.back(); }

    std::vector<Shown> shown;
    bool visible = false;

private:
    QString m_caption, m_line1, m_line2;
    ProgressBarModel m_step, m_total;
};
