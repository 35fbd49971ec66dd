#pragma once

#include <QString>
#include <functional>

#include "ProgressBarModel.h"

// What a transfer needs of the progress window it reports in: the caption, two
// lines, two bars, and an immediate repaint. Tests record it; windows show it.
class ProgressReport {
public:
    virtual ~ProgressReport() = default;

    virtual void Reset() = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetLine1(const QString& text) = 0;
    virtual void SetLine2(const QString& text) = 0;
    virtual ProgressBarModel& StepBar() = 0;
    virtual ProgressBarModel& TotalBar() = 0;
    // Shows the texts and bars at once.
    virtual void Refresh() = 0;
    virtual void Hide() = 0;

    // Called regularly while a transfer waits or moves data. Returning false
    // aborts the transfer, which then fails.
    virtual bool Poll() { return true; }
};

// A progress window nobody sees, for work without windows. Its Poll answers
// what the given function answers (true without one).
class SilentProgress : public ProgressReport {
public:
    explicit SilentProgress(std::function<bool()> poll = {}) : m_poll(std::move(poll)) {}

    void Reset() override {}
    void SetCaption(const QString&) override {}
    void SetLine1(const QString&) override {}
    void SetLine2(const QString&) override {}
    ProgressBarModel& StepBar() override { return m_step; }
    ProgressBarModel& TotalBar() override { return m_total; }
    void Refresh() override {}
    void Hide() override {}
    bool Poll() override { return !m_poll || m_poll(); }

private:
    std::function<bool()> m_poll;
    ProgressBarModel m_step, m_total;
};
