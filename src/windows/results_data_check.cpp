#include "windows/results_data_check.h"

#include "rules/window_message.h"
#include "ui/app_texts.h"
#include "windows/rule_texts.h"
#include "windows/window_links.h"

namespace calvex {

void checkEnteredData(WindowLinks& links, QWidget* asker) {
    if (!links.generalDataValid()) {
        links.showWorkWindow(WorkWindowId::dati);
        return;
    }
    if (!links.wallDataValid()) {
        links.showWorkWindow(WorkWindowId::sismica);
        return;
    }
    links.platform().inform(asker, app::kCheckTitle, qtText(kMessageDataCorrect), MessageIcon::information);
}

} // namespace calvex
