#include "CDialog.h"

#include "CIPAddressCtrl.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (alphabet / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QFont DialogFont() {
    QFont font("MS Sans Serif", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

CDialog::CDialog(QWidget* parent) : QDialog(parent), m_units(DialogFont()) {
    setFont(DialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int CDialog::DoModal() {
    OnInitDialog();
    return exec();
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        // With no default button, Enter presses the focused button, or else is OK.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            OnOK();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CDialog::done(int result) {
    if (!m_busy) {
        QDialog::done(result);
    }
}

void CDialog::SetClientSize(int width, int height) {
    setFixedSize(m_units.X(width), m_units.Y(height) + m_top);
}

QLabel* CDialog::Label(const QString& text, int x, int y, int width, int height) {
    auto* label = Place(new QLabel(text, this), x, y, width, height);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QGroupBox* CDialog::Group(const QString& title, int x, int y, int width, int height) {
    auto* group = Place(new QGroupBox(title, this), x, y, width, height);
    group->lower();
    return group;
}

QPushButton* CDialog::Button(const QString& text, int x, int y, int width, int height) {
    auto* button = Place(new QPushButton(text, this), x, y, width, height);
    button->setAutoDefault(false);
    return button;
}

CDialog::LoginFields CDialog::MakeLoginFields(int addressY, int addressWidth, int userY) {
    Label("IP Address", 16, addressY, 44, 15);
    LoginFields fields{Place(new CIPAddressCtrl(this), 65, addressY, addressWidth, 15), nullptr,
                       nullptr};
    Label("User ID", 15, userY, 45, 15);
    fields.userId = Place(new QLineEdit(this), 65, userY, 50, 15);
    Label("Password", 125, userY, 45, 15);
    fields.password = Place(new QLineEdit(this), 175, userY, 50, 15);
    fields.password->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {fields.userId, fields.password}) {
        edit->setAlignment(Qt::AlignCenter);
    }
    return fields;
}
