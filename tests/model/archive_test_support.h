#pragma once
// Small projects and archive texts shared by the archive tests.

#include <memory>
#include <string>
#include <string_view>

#include "model/project_data.h"

namespace calvex::archive_test {

inline FieldValue typed(std::string text) { return FieldValue::text(std::move(text)); }

inline std::string repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

inline int lineCount(std::string_view bytes) {
    int lines = 0;
    for (std::size_t pos = bytes.find("\r\n"); pos != std::string_view::npos; pos = bytes.find("\r\n", pos + 2))
        ++lines;
    return lines;
}

// Two storeys of three X walls and four Y walls, with values of every kind
// the windows leave behind: typed texts, defaults as numbers, empty texts
// and never-set values, and title texts with Italian letters and commas.
inline std::unique_ptr<ProjectData> sampleProject() {
    auto p = std::make_unique<ProjectData>();
    p->setGeneral(GeneralField::grado, typed("9"));
    p->setGeneral(GeneralField::np, typed("2"));
    p->setGeneral(GeneralField::numsetx, FieldValue::real(3));
    p->setGeneral(GeneralField::numsety, FieldValue::real(4));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(7));
    p->introduceStoreys(2);
    p->setFloor(2, FloorField::hp, typed("3,10"));
    for (int s = 1; s <= 2; ++s)
        for (int w = 1; w <= 6; ++w) {
            p->setWall(s, w, WallField::dimx, typed(w <= 3 ? "4.5" : "0.3"));
            p->setWall(s, w, WallField::dimy, typed(w <= 3 ? "0.3" : "4.5"));
            p->setWall(s, w, WallField::ascissa, typed(std::to_string(w * s)));
            p->setWall(s, w, WallField::tirantiV, typed(""));
            p->setWall(s, w, WallField::solai, typed("12,5"));
        }
    p->setWall(1, 7, WallField::tauk, FieldValue::real(-0.5));
    p->setTitle(TitleField::progetto, "Casa Rossi, ampliamento");
    p->setTitle(TitleField::localita, "Forl\u00ec");
    p->setTitle(TitleField::committente, "\u00e0 \u00e8 \u00ec \u00f2 \u00f9 \u20ac \u201cvirgolette\u201d");
    return p;
}

} // namespace calvex::archive_test
