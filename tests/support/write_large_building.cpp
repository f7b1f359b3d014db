// Writes the largest building of the benchmarks (20 storeys of 100 walls)
// as an archive, for comparing the batch tool of each platform on it.

#include <iostream>

#include "large_building.h"
#include "model/archive.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: calvex-write-large-building ARCHIVE\n";
        return 2;
    }
    const calvex::ArchiveWriteResult written = calvex::writeArchiveFile(argv[1], *calvex::makeLargeBuilding());
    if (!written.ok) std::cerr << argv[1] << ": " << written.error << '\n';
    return written.ok ? 0 : 1;
}
