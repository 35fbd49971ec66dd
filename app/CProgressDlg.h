#pragma once

#include <QDialog>

#include "ProgressBarModel.h"
#include "ProgressReport.h"

class QLabel;
class QProgressBar;

// The small window in which transfers show how they advance: a caption, two
// lines and two bars. Its owner sets the texts and bars, then Refresh shows
// them at once; texts set without a Refresh are not seen.
class CProgressDlg : public QDialog, public ProgressReport {
    Q_OBJECT
public:
    CProgressDlg();

    // Creates the window hidden, owned by owner's window.
    void Create(QWidget* owner);

    void Reset() override;
    void SetCaption(const QString& caption) override { setWindowTitle(caption); }
    void SetLine1(const QString& text) override { m_strLine1 = text; }
    void SetLine2(const QString& text) override { m_strLine2 = text; }
    ProgressBarModel& StepBar() override { return m_ctlStepBar; }
    ProgressBarModel& TotalBar() override { return m_ctlTotalBar; }
    void Refresh() override;
    void Hide() override { hide(); }
    // Keeps the windows painting during a transfer; input waits until it is over.
    bool Poll() override;

    QString m_strLine1;
    QString m_strLine2;
    ProgressBarModel m_ctlStepBar;   // the upper bar
    ProgressBarModel m_ctlTotalBar;  // the lower bar

    // What the window shows, for tests.
    QString ShownLine1() const;
    QString ShownLine2() const;
    const QProgressBar* StepBarView() const { return m_stepView; }
    const QProgressBar* TotalBarView() const { return m_totalView; }

private:
    void PushTexts();
    void PushBars();

    QLabel* m_line1View;
    QLabel* m_line2View;
    QProgressBar* m_stepView;
    QProgressBar* m_totalView;
};
