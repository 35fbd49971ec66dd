#pragma once

#include "CDialog.h"
#include "CommandSet.h"

class QToolBar;
class QTreeWidget;

// What the two list windows (the address book editor and the upgrade window)
// share: a menu bar with a toolbar below it, the four record buttons, a list in
// report view with several rows selectable, the File and Record commands bound
// to the handlers below, and the Help and About commands.
class CListWindow : public CDialog {
    Q_OBJECT
public:
    CommandSet& Commands() { return m_commands; }

    virtual void OnNew() = 0;
    virtual void OnOpen() = 0;
    virtual void OnSave() = 0;
    virtual void OnAdd() = 0;
    virtual void OnModify() = 0;
    virtual void OnDelete() = 0;
    virtual void OnResetFields() = 0;

protected:
    CListWindow();

    static const CommandSet::Menu kFileMenu;
    static const CommandSet::Menu kRecordMenu;
    static const CommandSet::Menu kHelpMenu;

    // Lays out the menus and the toolbar (0 leaves a gap) above a client area of
    // width by height dialog units; answers the toolbar.
    QToolBar* MakeBars(const std::vector<CommandSet::Menu>& menus, const std::vector<int>& toolbar,
                       int width, int height);
    // "Add", "Modify", "Delete" and "Reset fields" in a row at y = 86.
    void MakeRecordButtons();
    QTreeWidget* MakeList(const QStringList& headings, int x, int y, int width, int height);
    // The rows that are selected, top first.
    static QList<int> SelectedRowsOf(const QTreeWidget* list);

    CommandSet m_commands;
};
