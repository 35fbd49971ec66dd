#include "CListWindow.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

#include "CAboutDlg.h"
#include "Help.h"
#include "ResourceIds.h"

const CommandSet::Menu CListWindow::kFileMenu{"&File",
                                              {{"&New", ids::CmdNew},
                                               {"&Open", ids::CmdOpen},
                                               {"&Save", ids::CmdSave},
                                               {nullptr, 0},
                                               {"&Exit", ids::CmdExit}}};
const CommandSet::Menu CListWindow::kRecordMenu{"&Record",
                                                {{"&Add", ids::CmdAdd},
                                                 {"&Modify", ids::CmdModify},
                                                 {"&Delete", ids::CmdDelete},
                                                 {"&Reset fields", ids::CmdResetFields}}};
const CommandSet::Menu CListWindow::kHelpMenu{
    "&Help", {{"Help", ids::CmdHelp}, {"About Varnel Pro", ids::CmdAbout}}};

CListWindow::CListWindow() : m_commands(this) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_commands.Bind(ids::CmdNew, [this] { OnNew(); });
    m_commands.Bind(ids::CmdOpen, [this] { OnOpen(); });
    m_commands.Bind(ids::CmdSave, [this] { OnSave(); });
    m_commands.Bind(ids::CmdExit, [this] { OnOK(); });
    m_commands.Bind(ids::CmdAdd, [this] { OnAdd(); });
    m_commands.Bind(ids::CmdModify, [this] { OnModify(); });
    m_commands.Bind(ids::CmdDelete, [this] { OnDelete(); });
    m_commands.Bind(ids::CmdResetFields, [this] { OnResetFields(); });
    m_commands.Bind(ids::CmdHelp, [] { WinHelp(); });
    m_commands.Bind(ids::CmdAbout, [] { CAboutDlg().DoModal(); });
}

QToolBar* CListWindow::MakeBars(const std::vector<CommandSet::Menu>& menus,
                                const std::vector<int>& toolbar, int width, int height) {
    QMenuBar* menu = m_commands.MakeMenuBar(menus);
    const int menuHeight = menu->sizeHint().height();
    SetTopOffset(menuHeight);
    SetClientSize(width, height);
    menu->setGeometry(0, 0, this->width(), menuHeight);
    QToolBar* bar = m_commands.MakeToolBar(toolbar);
    bar->setGeometry(0, menuHeight, this->width(), bar->sizeHint().height());
    return bar;
}

void CListWindow::MakeRecordButtons() {
    const std::pair<const char*, int> buttons[] = {{"Add", ids::CmdAdd},
                                                   {"Modify", ids::CmdModify},
                                                   {"Delete", ids::CmdDelete},
                                                   {"Reset fields", ids::CmdResetFields}};
    int x = 15;
    for (const auto& [caption, command] : buttons) {
        QPushButton* button = Button(caption, x, 86, 45, 15);
        connect(button, &QPushButton::clicked, this,
                [this, c = command] { m_commands.Trigger(c); });
        x += 55;
    }
}

QTreeWidget* CListWindow::MakeList(const QStringList& headings, int x, int y, int width,
                                   int height) {
    auto* list = Place(new QTreeWidget(this), x, y, width, height);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels(headings);
    QHeaderView* header = list->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setStretchLastSection(true);
    header->setEnabled(false);
    // The selection shows also while the list has no focus.
    QPalette palette = list->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
    }
    list->setPalette(palette);
    return list;
}

QList<int> CListWindow::SelectedRowsOf(const QTreeWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->isSelected()) {
            rows.append(row);
        }
    }
    return rows;
}
