#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <initializer_list>

// Selects exactly the given rows of a list window's list, counted from 0.
inline void SelectRows(QTreeWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int row : rows) {
        list->topLevelItem(row)->setSelected(true);
    }
}

// The texts of one column, top to bottom.
inline QStringList ColumnTexts(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        texts << list->topLevelItem(row)->text(column);
    }
    return texts;
}
