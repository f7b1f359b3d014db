#include <array>
#include <string>

#include "archive.h"
#include "archive_fields.h"
#include "cp1252.h"
#include "numeric_text.h"

namespace calvex {

namespace {

bool isPlainAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '"' || c == '\r' || c == '\n') return false;
    return true;
}

// The text as the format can hold it: no double quote (it would end the
// field), no line break (it would end the record), Windows-1252 bytes.
// Sets `altered` when the text read back would differ.
std::string storableText(std::string_view text, bool& altered) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            safe.push_back('\'');
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            safe.push_back(' ');
        } else {
            safe.push_back(c);
        }
    }
    std::string bytes = utf8ToCp1252(safe);
    altered = safe != text || cp1252ToUtf8(bytes) != safe;
    return bytes;
}

class ArchiveEncoder {
public:
    explicit ArchiveEncoder(ArchiveEncoding& out) : out_(out) {}

    // Writes one record of `count` values; `name(i)` names value i for the
    // list of altered fields.
    template <typename Value, typename Name>
    void record(int count, Value value, Name name) {
        for (int i = 0; i < count; ++i) {
            if (i > 0) out_.bytes.push_back(',');
            field(value(i), [&] { return name(i); });
        }
        out_.bytes += "\r\n";
    }

    template <typename Name>
    void field(const FieldValue& value, Name name) {
        switch (value.kind()) {
            case FieldValue::Kind::Empty:
                break;
            case FieldValue::Kind::Text:
                text(value.textValue(), name);
                break;
            case FieldValue::Kind::Integer:
            case FieldValue::Kind::Real:
                out_.bytes += shortestNumber(value.numberValue());
                break;
        }
    }

    template <typename Name>
    void text(std::string_view value, Name name) {
        out_.bytes.push_back('"');
        if (isPlainAscii(value)) {
            out_.bytes += value;
        } else {
            bool altered = false;
            out_.bytes += storableText(value, altered);
            if (altered) out_.alteredFields.push_back(name());
        }
        out_.bytes.push_back('"');
    }

private:
    ArchiveEncoding& out_;
};

std::string storeyName(int storey) { return "piano " + std::to_string(storey); }

} // namespace

ArchiveEncoding encodeArchive(const ProjectData& project) {
    ArchiveEncoding encoding;
    const int storeys = project.storeyCount();
    const int walls = project.wallCount();
    encoding.bytes.reserve(64 + static_cast<std::size_t>(storeys) * (64 + static_cast<std::size_t>(walls) * 80));
    ArchiveEncoder encoder(encoding);

    std::array<FieldValue, kGeneralRecordFieldCount> general;
    for (int i = 0; i < kGeneralRecordFieldCount; ++i) {
        const auto field = static_cast<GeneralField>(i);
        general[i] = project.general(field);
        // A count says how many records follow: when its text cannot be held
        // as it is, the number it reads as is written instead, so that the
        // file reads back with as many storeys and walls as it holds.
        const bool isCount =
            field == GeneralField::np || field == GeneralField::numsetx || field == GeneralField::numsety;
        if (isCount && general[i].kind() == FieldValue::Kind::Text && !isPlainAscii(general[i].textValue())) {
            general[i] = FieldValue::real(general[i].typedNumber());
            encoding.alteredFields.emplace_back(kGeneralFieldNames[i]);
        }
    }
    encoder.record(
        kGeneralRecordFieldCount, [&](int i) -> const FieldValue& { return general[i]; },
        [](int i) { return std::string(kGeneralFieldNames[i]); });
    for (int s = 1; s <= storeys; ++s)
        encoder.record(
            kFloorFieldCount, [&](int i) -> const FieldValue& { return project.floor(s, static_cast<FloorField>(i)); },
            [&](int i) { return storeyName(s) + ": " + std::string(kFloorFieldNames[i]); });
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w)
            encoder.record(
                kWallFieldCount,
                [&](int i) -> const FieldValue& { return project.wall(s, w, static_cast<WallField>(i)); },
                [&](int i) {
                    return storeyName(s) + ", setto " + std::to_string(w) + ": " + std::string(kWallFieldNames[i]);
                });

    for (int i = 0; i < kTitleFieldCount; ++i) {
        if (i > 0) encoding.bytes.push_back(',');
        encoder.text(project.title(static_cast<TitleField>(i)), [&] { return std::string(kTitleFieldNames[i]); });
    }
    encoding.bytes += "\r\n";
    return encoding;
}

} // namespace calvex
