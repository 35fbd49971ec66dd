#include "CIPAddressCtrl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CIPAddressCtrl::CIPAddressCtrl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* validator = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            layout->addWidget(new QLabel(".", this));
        }
        auto* field = new QLineEdit(this);
        field->setValidator(validator);
        field->setAlignment(Qt::AlignCenter);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] { OnEdited(i); });
        layout->addWidget(field, 1);
        m_fields[i] = field;
    }
    setFocusProxy(m_fields[0]);
}

bool CIPAddressCtrl::IsBlank() const { return ::IsBlank(Fields()); }

void CIPAddressCtrl::ClearAddress() {
    for (QLineEdit* field : m_fields) {
        field->clear();
    }
}

void CIPAddressCtrl::SetAddress(const Octets& octets) {
    for (int i = 0; i < 4; ++i) {
        m_fields[i]->setText(QString::number(octets[i]));
    }
}

FormAddress CIPAddressCtrl::Fields() const {
    FormAddress address{};
    for (int i = 0; i < 4; ++i) {
        if (!m_fields[i]->text().isEmpty()) {
            address[i] = static_cast<uint8_t>(std::min(m_fields[i]->text().toInt(), 255));
        }
    }
    return address;
}

void CIPAddressCtrl::OnEdited(int index) {
    QLineEdit* field = m_fields[index];
    if (field->text().toInt() > 255) {
        field->setText("255");
    }
    if (field->text().size() == 3 && index < 3) {
        m_fields[index + 1]->setFocus();
        m_fields[index + 1]->selectAll();
    }
}

bool CIPAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (int i = 0; i < 3; ++i) {
            if (watched == m_fields[i] && key->text() == "." && !m_fields[i]->text().isEmpty()) {
                m_fields[i + 1]->setFocus();
                m_fields[i + 1]->selectAll();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
