#pragma once
// The splash music on FluidSynth: a General MIDI soundfont of the system
// plays the MIDI file through the default audio output. Without the file,
// a soundfont or an audio device, or with a file that is not a regular
// MIDI file of at most kMaxMidiFileBytes, the player stays silent, and every
// command is then harmless; nothing is ever reported.

#include <QString>
#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/system_music.h"

namespace calvex {

class FluidMusicPlayer : public MusicPlayer {
public:
    // FluidSynth string settings applied before the audio output is
    // created ("audio.driver" and the like); none means the system default.
    explicit FluidMusicPlayer(std::map<std::string, std::string> audioSettings = {});
    ~FluidMusicPlayer() override;
    FluidMusicPlayer(const FluidMusicPlayer&) = delete;
    FluidMusicPlayer& operator=(const FluidMusicPlayer&) = delete;

    void open(const QString& midiFile) override;
    void play() override;
    void pause() override;
    void close() override;

    // Whether the music is actually being played right now.
    bool isSounding() const;

private:
    struct Session;

    std::map<std::string, std::string> audioSettings_;
    std::unique_ptr<Session> session_;
};

} // namespace calvex
