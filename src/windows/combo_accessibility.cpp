#include "windows/combo_accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace calvex {

namespace {

class CaptionedCombo : public QAccessibleWidget {
public:
    explicit CaptionedCombo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // The name is the widget's accessible name, else its caption's text
    // (the label whose buddy it is).
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(kind);
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
