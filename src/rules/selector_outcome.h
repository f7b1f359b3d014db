#pragma once
// What a storey or wall selector's move comes to, for the window to apply.

#include <optional>

#include "rules/window_message.h"

namespace calvex {

enum class SelectorStep { accepted, ignored, reset, refused };

struct SelectorOutcome {
    SelectorStep step = SelectorStep::accepted;
    // reset: the selector is put back here without showing anything;
    // refused: the window shows this position, then the message.
    int position = 0;
    std::optional<WindowMessage> message;
};

} // namespace calvex
