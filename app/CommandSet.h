#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

// The commands of a window by number, each one action shared by its menu
// item, toolbar button and handler. Toolbar buttons show the command's picture
// and the tooltip from its text.
class CommandSet {
public:
    struct Item {
        const char* text;  // nullptr for a separator
        int command;
    };
    struct Menu {
        const char* title;
        std::vector<Item> items;
    };

    explicit CommandSet(QWidget* owner) : m_owner(owner) {}

    QAction* Action(int command);
    void Bind(int command, std::function<void()> handler);
    // Runs a command as its menu item or button would.
    void Trigger(int command);

    QMenuBar* MakeMenuBar(const std::vector<Menu>& menus);
    // Commands left to right; 0 leaves a gap.
    QToolBar* MakeToolBar(const std::vector<int>& commands);

private:
    QWidget* m_owner;
    std::map<int, QAction*> m_actions;
};
