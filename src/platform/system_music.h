#pragma once
// The splash music on the system built for: FluidSynth on Linux
// (fluid_music_player.h), the system's MIDI sequencer on Windows. Either
// stays silent where it cannot play, and never reports anything.

#include <cstddef>
#include <memory>

#include "platform/platform.h"

namespace calvex {

// The largest MIDI file played; a tune of some minutes takes tens of kB.
inline constexpr std::size_t kMaxMidiFileBytes = 512 * 1024;

std::unique_ptr<MusicPlayer> makeSystemMusicPlayer();

} // namespace calvex
