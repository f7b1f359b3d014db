#include "platform.h"

namespace calvex {

void Platform::inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
    showMessage(parent, {title, text, icon, MessageButtons::ok, MessageAnswer::ok});
}

bool Platform::askYesNo(QWidget* parent, const QString& title, const QString& text, MessageAnswer defaultAnswer) {
    return showMessage(parent, {title, text, MessageIcon::question, MessageButtons::yesNo, defaultAnswer}) ==
           MessageAnswer::yes;
}

} // namespace calvex
