#include "windows/results_fields.h"

#include <QLabel>

namespace calvex {

QLabel* makeValueField(QWidget* parent) {
    auto* field = new QLabel(parent);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setMargin(1);
    field->setIndent(3);
    field->setAutoFillBackground(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    field->setPalette(palette);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setEmphasis(QLabel* label, int pointSize, const QColor& colour) {
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    label->setFont(font);
    setTextColour(label, colour);
}

} // namespace calvex
