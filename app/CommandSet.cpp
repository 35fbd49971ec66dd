#include "CommandSet.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>

#include "IconSet.h"
#include "Texts.h"

QAction* CommandSet::Action(int command) {
    QAction*& action = m_actions[command];
    if (!action) {
        action = new QAction(m_owner);
        action->setObjectName(QString::number(command));
        action->setToolTip(texts::ToolTip(command));
        const QString picture = icons::CommandPath(command);
        if (!picture.isEmpty()) {
            action->setIcon(QIcon(picture));
        }
    }
    return action;
}

void CommandSet::Bind(int command, std::function<void()> handler) {
    QObject::connect(Action(command), &QAction::triggered, m_owner,
                     [handler = std::move(handler)] { handler(); });
}

void CommandSet::Trigger(int command) { Action(command)->trigger(); }

QMenuBar* CommandSet::MakeMenuBar(const std::vector<Menu>& menus) {
    auto* bar = new QMenuBar(m_owner);
    for (const Menu& menu : menus) {
        QMenu* dropDown = bar->addMenu(menu.title);
        for (const Item& item : menu.items) {
            if (!item.text) {
                dropDown->addSeparator();
                continue;
            }
            QAction* action = Action(item.command);
            if (action->text().isEmpty()) {
                action->setText(item.text);
            }
            dropDown->addAction(action);
        }
    }
    return bar;
}

QToolBar* CommandSet::MakeToolBar(const std::vector<int>& commands) {
    auto* bar = new QToolBar(m_owner);
    bar->setIconSize(QSize(16, 15));
    bar->setMovable(false);
    for (int command : commands) {
        if (command == 0) {
            bar->addSeparator();
        } else {
            bar->addAction(Action(command));
        }
    }
    return bar;
}
