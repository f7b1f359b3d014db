#include "general_handover.h"

#include "rules/general_entry.h"

namespace calvex::cli {

Handover handOverGeneralData(ProjectData& project) {
    Handover handover;
    GeneralFieldTexts texts;
    for (GeneralField field : kGeneralEntryOrder) {
        const FieldChangeOutcome outcome =
            applyGeneralFieldChange(project, texts, field, project.general(field).fieldText());
        if (outcome.message) handover.messages.push_back(outcome.message->text);
    }
    const CheckResult check = checkGeneralData(texts, CheckMode::silent);
    if (!check.passed) {
        handover.refusal = check.message->text;
        return handover;
    }
    project.prepareWallEntry();
    project.currentFloor = 1;
    project.currentWall = 1;
    return handover;
}

} // namespace calvex::cli
