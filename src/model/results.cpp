#include "results.h"

#include "numeric_text.h"

namespace calvex {

std::string MinStressText::str() const {
    switch (state_) {
        case State::Value:
            return calvex::str(value_);
        case State::Outside:
            return "T";
        default:
            return {};
    }
}

std::string VerdictText::str() const {
    switch (state_) {
        case State::Verified:
            return "setto verificato";
        case State::NotVerified:
            return "setto non verificato";
        default:
            return {};
    }
}

std::string ComparisonText::str() const {
    if (state_ != State::Failed) return {};
    std::string text = "tonn.";
    appendStr(text, intPart(resisting_));
    text += " < tonn.";
    appendStr(text, intPart(acting_));
    return text;
}

std::string SectionText::str() const { return state_ == State::Partialised ? "sez. parzializzata" : ""; }

void FailureList::appendEntryText(std::string& out, const FailureEntry& entry) const {
    out += "piano n.";
    appendStr(out, entry.storey);
    out += " - setto n.";
    appendStr(out, entry.wall);
    switch (kind_) {
        case FailureKind::shear:
            out += entry.yList ? " (direzione Y)" : " (direzione X) ";
            out += " taglio t.= ";
            appendStr(out, intPart(entry.resisting));
            out += " < forza orizz. t.= ";
            appendStr(out, intPart(entry.acting));
            out += " ----- ";
            break;
        case FailureKind::sigma:
            out += " sigma ammissibile t.= ";
            appendStr(out, entry.resisting);
            out += " <  sigma lavoro t.= ";
            appendStr(out, intPart(entry.acting));
            out += " ----- ";
            break;
        case FailureKind::section:
            out += " --- ";
            break;
    }
}

std::string FailureList::entryText(const FailureEntry& entry) const {
    std::string text;
    appendEntryText(text, entry);
    return text;
}

std::string FailureList::str() const {
    if (entries_.empty()) return written_ ? std::string(kNoFailure) : std::string();
    std::string text;
    text.reserve(entries_.size() * 90);
    for (const FailureEntry& entry : entries_) appendEntryText(text, entry);
    return text;
}

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
