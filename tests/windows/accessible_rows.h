#pragma once
// What a screen reader reads of a list box: the text of each of its rows.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace calvex::testing {

inline QStringList accessibleRows(QWidget* list) {
    QStringList rows;
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(list);
    if (!box) return rows;
    for (int i = 0; i < box->childCount(); ++i)
        if (QAccessibleInterface* row = box->child(i); row && row->role() == QAccessible::ListItem)
            rows << row->text(QAccessible::Name);
    return rows;
}

} // namespace calvex::testing
