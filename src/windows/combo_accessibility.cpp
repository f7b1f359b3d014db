#include "windows/combo_accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace calvex {

namespace {

// Whether the layout item is the widget or a layout that holds it.
bool holds(QLayoutItem* item, const QWidget* widget) {
    if (item->widget() == widget) return true;
    if (QLayout* layout = item->layout())
        for (int i = 0; i < layout->count(); ++i)
            if (holds(layout->itemAt(i), widget)) return true;
    return false;
}

// The text of the label on the widget's left in its row of its parent's
// grid: the caption of a drop-down that is no label's buddy, as the file
// type list of Qt's file dialogs.
QString captionOnTheLeft(const QWidget* widget) {
    const auto* grid = qobject_cast<QGridLayout*>(widget->parentWidget() ? widget->parentWidget()->layout() : nullptr);
    if (!grid) return {};
    for (int index = 0; index < grid->count(); ++index) {
        if (!holds(grid->itemAt(index), widget)) continue;
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        for (int left = column - 1; left >= 0; --left) {
            const QLayoutItem* item = grid->itemAtPosition(row, left);
            if (const auto* label = qobject_cast<const QLabel*>(item ? item->widget() : nullptr))
                return label->text().remove(QLatin1Char('&'));
        }
        return {};
    }
    return {};
}

// A drop-down as Qt's own interface presents it, with its list of choices
// and its edit line as children, but named by its caption: Qt's own names
// it by its text on Linux, and is not public to be given another name.
class CaptionedCombo : public QAccessibleWidget {
public:
    explicit CaptionedCombo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // The name is the widget's accessible name, else its caption's text
    // (the label whose buddy it is, or the one on its left), else its text.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return combo()->currentText();
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) text = captionOnTheLeft(combo());
        if (kind == QAccessible::Name && text.isEmpty()) text = combo()->currentText();
        return text;
    }

    // The list of choices, then the edit line of a drop-down with free text.
    int childCount() const override { return editLine() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && editLine()) return QAccessible::queryAccessibleInterface(editLine());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        if (editLine() && child->object() == editLine()) return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* line = editLine();
        if (line && line->rect().contains(line->mapFromGlobal(QPoint(x, y)))) return child(1);
        return nullptr;
    }

    // Typing goes to the edit line.
    QAccessibleInterface* focusChild() const override { return editLine() ? child(1) : nullptr; }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.editable = editLine() != nullptr;
        return state;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }
    QLineEdit* editLine() const { return combo()->isEditable() ? combo()->lineEdit() : nullptr; }
};

QAccessibleInterface* comboInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    return new CaptionedCombo(static_cast<QComboBox*>(object));
}

} // namespace

void installComboAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(comboInterface);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace calvex
