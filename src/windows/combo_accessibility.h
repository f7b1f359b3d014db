#pragma once
// How assistive technology hears the program's drop-downs with free text
// (`grado`, `riduz`, `protez`) and those of the file dialogs: by their
// caption, like every other field, with their text as the value and their
// choices as a list it can read. Qt names a drop-down by its text on Linux,
// so that a coefficient would be announced as "0.33" and nothing else.

namespace calvex {

// Installs the accessibility of the drop-downs; once is enough.
void installComboAccessibility();

} // namespace calvex
