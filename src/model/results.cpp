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

std::string VerdictText::str() const {
    switch (state_) {
    case State::Verified: return "setto verificato";
    case State::NotVerified: return "setto non verificato";
    default: return {};
    }
}

std::string ComparisonText::str() const {
    if (state_ != State::Failed) return {};
    std::string text = "tonn.";
    appendStr(text, resisting_);
    text += " < tonn.";
    appendStr(text, acting_);
    return text;
}

std::string SectionText::str() const { return state_ == State::Partialised ? "sez. parzializzata" : ""; }

std::array<NamedText, 5> wallResultTexts(const WallResult& r) {
    return {{
        {"minStressText", r.minStressText.isWritten(), r.minStressText.str()},
        {"verdict", r.verdict.isWritten(), r.verdict.str()},
        {"shearCheckText", r.shearCheckText.isWritten(), r.shearCheckText.str()},
        {"sigmaCheckText", r.sigmaCheckText.isWritten(), r.sigmaCheckText.str()},
        {"sectionCheckText", r.sectionCheckText.isWritten(), r.sectionCheckText.str()},
    }};
}

} // namespace calvex
