#pragma once
// The archive file: the input side of a project (general data, storey
// data, wall data and title page) as comma-separated records, one a line.
//
//   line 1               grado, strutt, riduz, protez, np, numsetx, numsety
//   N lines              the six storey values of storeys 1 to N
//   N x W lines          the ten wall values, storey by storey, wall by wall
//   last line            the eight title-page texts
//
// N is np and W is numsetx + numsety, both read as numbers. Texts are
// written in double quotes, numbers bare, empty values as nothing.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "project_data.h"

namespace calvex {

struct ArchiveReadResult {
    // True when every record was read; line, field and problem are then
    // 0, 0 and "".
    bool complete = false;
    // Where reading stopped: 1-based line of the file (0 when the file could
    // not be read at all) and 1-based position within the record.
    int line = 0;
    int field = 0;
    // What went wrong, in Italian, for the user.
    std::string problem;
    // The first line on which a record did not end where the line ends (a
    // field too many or too few), or 0. Fields are read in sequence across
    // lines, so every later value may stand in another's place.
    int misalignedLine = 0;
};

// The warning for a misaligned record, in Italian, naming its line.
std::string misalignedRecordWarning(int line);

inline constexpr const char* kProblemEndOfFile = "il file termina prima del previsto";
inline constexpr const char* kProblemTooManyStoreys = "numero dei piani superiore a 20";
inline constexpr const char* kProblemTooManyWalls = "numero dei setti superiore a 100";

// Reads an archive into a project that the caller has already cleared.
// On an error reading stops at once and what was read stays in the project.
// A count above its limit is reported at the field that set it (np, or
// numsety for the number of walls).
ArchiveReadResult readArchive(std::string_view bytes, ProjectData& project);

// The largest file taken for an archive: far above the largest project
// (20 storeys of 100 walls, about 150 kB), so that memory stays bounded.
inline constexpr std::size_t kMaxArchiveFileBytes = 4 * 1024 * 1024;

// Reads regular files only; a folder, pipe or device is refused at once.
ArchiveReadResult readArchiveFile(const std::filesystem::path& file, ProjectData& project);

struct ArchiveEncoding {
    std::string bytes;
    // The fields whose text the format could not hold as it is, named for
    // the user ("progetto", "piano 2: hp", "piano 2, setto 3: dimx"): a
    // double quote is written as an apostrophe, a line break as one blank,
    // a character Windows-1252 lacks as "?".
    std::vector<std::string> alteredFields;
};

ArchiveEncoding encodeArchive(const ProjectData& project);

struct ArchiveWriteResult {
    bool ok = false;
    // Why the file was not written, in Italian, for the user.
    std::string error;
    std::vector<std::string> alteredFields;
};

// Writes the archive durably (see durable_file.h): the previous file either
// stays whole or is replaced by the complete new one.
ArchiveWriteResult writeArchiveFile(const std::filesystem::path& target, const ProjectData& project);

} // namespace calvex
