#include "KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

KeyFilter::KeyFilter(QLineEdit* edit, QString allowed, int limit)
    : QObject(edit), m_edit(edit), m_allowed(std::move(allowed)), m_limit(limit) {
    edit->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (text.isEmpty() || shortcut || !text[0].isPrint()) {
        return false;  // backspace, Tab, Enter, Esc, arrows and shortcuts
    }
    const bool full =
        m_limit >= 0 && !m_edit->hasSelectedText() && m_edit->text().size() >= m_limit;
    if (!m_allowed.contains(text[0]) || full) {
        QApplication::beep();
        return true;
    }
    return false;
}
