#include "CProgressDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "CDialog.h"

namespace {

QProgressBar* MakeBar(QWidget* parent, QRect geometry) {
    auto* bar = new QProgressBar(parent);
    bar->setGeometry(geometry);
    bar->setTextVisible(false);
    return bar;
}

// A bar whose upper limit is its lower one shows empty, never as busy.
void Show(QProgressBar* view, const ProgressBarModel& model) {
    if (model.upper() <= model.lower()) {
        view->setRange(0, 1);
        view->setValue(0);
    } else {
        view->setRange(model.lower(), model.upper());
        view->setValue(model.pos());
    }
}

}  // namespace

CProgressDlg::CProgressDlg() : QDialog(nullptr) {
    const DialogUnits units(DialogFont());
    setFont(DialogFont());
    setWindowTitle("Titolo");
    setFixedSize(units.X(217), units.Y(86));
    m_line1View = new QLabel("Line1", this);
    m_line1View->setGeometry(units.Rect(5, 10, 205, 10));
    m_line2View = new QLabel("Line2", this);
    m_line2View->setGeometry(units.Rect(5, 25, 205, 10));
    m_stepView = MakeBar(this, units.Rect(5, 50, 205, 10));
    m_totalView = MakeBar(this, units.Rect(5, 65, 205, 10));
}

void CProgressDlg::Create(QWidget* owner) {
    setParent(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setModal(false);
    hide();
}

void CProgressDlg::PushTexts() {
    m_line1View->setText(m_strLine1);
    m_line2View->setText(m_strLine2);
}

void CProgressDlg::PushBars() {
    Show(m_stepView, m_ctlStepBar);
    Show(m_totalView, m_ctlTotalBar);
}

void CProgressDlg::Reset() {
    setWindowTitle(QString());
    m_strLine1.clear();
    m_strLine2.clear();
    for (ProgressBarModel* bar : {&m_ctlStepBar, &m_ctlTotalBar}) {
        bar->SetRange(0, 0);
        bar->SetPos(0);
    }
    PushTexts();
    PushBars();
}

void CProgressDlg::Refresh() {
    PushTexts();
    PushBars();
    if (!isVisible()) {
        if (QWidget* owner = parentWidget()) {
            move(owner->mapToGlobal(QPoint(0, 0)));
        }
        show();
    }
    repaint();
}

bool CProgressDlg::Poll() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

QString CProgressDlg::ShownLine1() const { return m_line1View->text(); }
QString CProgressDlg::ShownLine2() const { return m_line2View->text(); }
