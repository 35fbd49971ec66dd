#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

#include "Platform.h"

// Calls act on the next modal window of type Window as soon as it shows, then
// closes it, so that a command which runs the window modally returns.
template <class Window>
void WhenShown(std::function<void(Window*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(window);
        window->reject();
    });
    timer->start();
}

// The messages shown since the last call, as their texts.
inline QStringList TakeMessages() {
    QStringList texts;
    for (const auto& message : platform::testing::Messages()) {
        texts << message.text;
    }
    platform::testing::Messages().clear();
    return texts;
}
