#pragma once
// Reads an OpenDocument package back and parses its XML streams.

#include <string>

namespace calvex::fuzz {

// True when the package opens and its content, styles, meta and manifest
// streams are there and well-formed XML.
bool odtStreamsWellFormed(const std::string& package);

} // namespace calvex::fuzz
