#pragma once
// The rules of the general data window, kept apart from any window toolkit:
// what a change of one of its fields does to the project, the text of its
// hint box and its check of the general data.

#include <optional>
#include <string>
#include <string_view>

#include "model/project_data.h"
#include "rules/selector_outcome.h"
#include "rules/window_message.h"

namespace calvex {

inline constexpr std::string_view kMessageTooManyStoreys =
    "Il programma verifica edifici fino ad un massimo di 20 piani.";
inline constexpr std::string_view kMessageTooManyWalls =
    "Il programma verifica edifici fino ad un massimo di 100 setti per piano.";
inline constexpr std::string_view kHintAllEntered =
    "I dati sono stati immessi correttamente: archiviarli, correggerli o cliccare su AVANTI.";

// The texts shown by the seven general fields, as at the window's opening.
struct GeneralFieldTexts {
    std::string grado;
    std::string strutt{startText(GeneralField::strutt)};
    std::string riduz{startText(GeneralField::riduz)};
    std::string protez{startText(GeneralField::protez)};
    std::string np;
    std::string numsetx;
    std::string numsety;

    // wallCount has no field: asking for it throws std::invalid_argument.
    std::string& operator[](GeneralField field);
    const std::string& operator[](GeneralField field) const;
};

// The seven fields in the order of the window, the archive and the check.
inline constexpr GeneralField kGeneralEntryOrder[] = {
    GeneralField::grado, GeneralField::strutt,  GeneralField::riduz,   GeneralField::protez,
    GeneralField::np,    GeneralField::numsetx, GeneralField::numsety,
};

enum class StoreyColumn { unchanged, enabled, disabled };

struct FieldChangeOutcome {
    bool emptied = false;                 // the value was refused: the field is now empty
    std::optional<WindowMessage> message; // to show before going on
    StoreyColumn storeyColumn = StoreyColumn::unchanged;
    bool showStorey = false; // the storey column moves to currentFloor (storey 1)
    bool updateHint = false; // the hint box is to be recomputed
};

// A change of the text of one of the seven general fields (typed, picked or
// set by the program). `texts` receives the field's new text, emptied when
// the value is refused; a refused value leaves the project as it was.
// np, numsetx and numsety are counts: a value that is not a whole number
// of at least 1 is refused like 0.
FieldChangeOutcome applyGeneralFieldChange(ProjectData& project, GeneralFieldTexts& texts, GeneralField field,
                                           std::string text);

// A change of one of the six storey fields: the value of currentFloor
// becomes the field's text.
void applyStoreyFieldChange(ProjectData& project, FloorField field, std::string text);

// The storey selector moved to `value`, which becomes currentFloor; with
// no storey count typed the move is ignored.
SelectorOutcome selectGeneralStorey(ProjectData& project, const GeneralFieldTexts& texts, int value);

// The copy of the shown storey to the next one, as both data windows do it.
struct StoreyCopy {
    std::optional<WindowMessage> message; // refused: the current storey is the last
    int from = 0;
    int to = 0; // the storey the window moves to before copying
};

StoreyCopy planStoreyCopy(const ProjectData& project);
// Copies the six storey values once the window stands on the target
// storey; false (nothing copied) when the move there was refused.
bool copyStoreyInputs(ProjectData& project, const StoreyCopy& copy);

struct GeneralHint {
    std::string text;                     // the new text of the hint box
    std::optional<WindowMessage> message; // a storey value that is not significant
    int storeyToShow = 0;                 // the storey the window moves to, 0 for none
};

// The hint box: the first missing general value, else the first storey
// value that is not significant, else the invitation to go on.
GeneralHint generalHint(const ProjectData& project, const GeneralFieldTexts& texts);

enum class CheckMode { interactive, silent };

struct CheckResult {
    bool passed = false;
    std::optional<WindowMessage> message; // failure in both modes, success only when interactive
};

// The check of the general data: the first empty field fails it.
CheckResult checkGeneralData(const GeneralFieldTexts& texts, CheckMode mode);

struct ValueRefusal {
    WindowMessage message;
    int storey = 0; // the storey to show, 0 for a general value
};

// The check before a run whose results go on to a verdict, a printout or
// the report: every general and storey value must be the number its text
// says, so that none is computed as its leading part ("0.4e1" as 0.4) or
// as 0. grado, strutt, riduz and protez must be plain numbers, not
// negative, strutt and protez above 0 (a refusal gives the field's own
// message); the storey values must pass the hint box's scan.
std::optional<ValueRefusal> checkSignificantValues(const ProjectData& project);

} // namespace calvex
