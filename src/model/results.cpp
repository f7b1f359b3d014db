#include "results.h"

#include "numeric_text.h"

namespace calvex {

std::string MinStressText::str() const {
    switch (state_) {
    case State::Value: return calvex::str(value_);
    case State::Outside: return "T";
    default: return {};
    }
}

} // namespace calvex
