#include "windows/results_data_check.h"

#include "rules/window_message.h"
#include "shell/app_texts.h"
#include "shell/shell.h"
#include "windows/general_data_window.h"
#include "windows/rule_texts.h"
#include "windows/wall_data_window.h"

namespace calvex {

void checkEnteredData(Shell& shell, QWidget* asker) {
    if (!shell.generalWindow().validate(CheckMode::silent)) {
        shell.showWorkWindow(WorkWindowId::dati);
        return;
    }
    if (!shell.wallWindow().validate(CheckMode::silent)) {
        shell.showWorkWindow(WorkWindowId::sismica);
        return;
    }
    shell.platform().inform(asker, app::kCheckTitle, qtText(kMessageDataCorrect),
                            MessageIcon::information);
}

} // namespace calvex
