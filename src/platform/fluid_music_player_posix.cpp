#include "platform/fluid_music_player.h"

#include <fluidsynth.h>
#include <QByteArray>
#include <QFileInfo>
#include <QLibrary>
#include <string>
#include <utility>
#include <vector>

#include "model/bounded_file.h"
#include "print/qt/local_path.h"

namespace calvex {

namespace {

void ignoreFluidMessage(int, const char*, void*) {}

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The music is an ornament: neither FluidSynth nor the ALSA library it
// opens may print anything on the terminal, above all when the machine
// has no sound card.
void silenceSoundLibraries() {
    static const bool silenced = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, ignoreFluidMessage, nullptr);
        using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);
        const auto setHandler = reinterpret_cast<SetAlsaErrorHandler>(
            QLibrary::resolve(QStringLiteral("asound"), 2, "snd_lib_error_set_handler"));
        if (setHandler) setHandler(ignoreAlsaError);
        return true;
    }();
    (void)silenced;
}

// The first General MIDI soundfont installed, or an empty name.
QByteArray generalMidiSoundFont() {
    static const char* const candidates[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
    };
    for (const char* candidate : candidates)
        if (QFileInfo(QString::fromLatin1(candidate)).isFile() && fluid_is_soundfont(candidate)) return candidate;
    return {};
}

} // namespace

// One opened tune. A FluidSynth player that was stopped or has finished
// does not start again, so every restart adds a new player seeked to where
// the music stopped; the old ones are kept until the audio output is gone,
// because the audio thread may still be calling them.
struct FluidMusicPlayer::Session {
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (driver) delete_fluid_audio_driver(driver);
        for (fluid_player_t* player : players) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }

    fluid_player_t* current() const { return players.back(); }

    // A new current player with the tune loaded, positioned at `tick`.
    fluid_player_t* addPlayer(int tick) {
        fluid_player_t* player = new_fluid_player(synth);
        if (!player) return nullptr;
        players.push_back(player);
        if (fluid_player_add_mem(player, tune.data(), tune.size()) != FLUID_OK) return nullptr;
        if (tick > 0) fluid_player_seek(player, tick);
        return player;
    }

    std::string tune; // the bytes of the MIDI file
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::vector<fluid_player_t*> players;
    fluid_audio_driver_t* driver = nullptr;
    int resumeTick = 0; // where pause() stopped the music
};

FluidMusicPlayer::FluidMusicPlayer(std::map<std::string, std::string> audioSettings)
    : audioSettings_(std::move(audioSettings)) {}

FluidMusicPlayer::~FluidMusicPlayer() { close(); }

void FluidMusicPlayer::open(const QString& midiFile) {
    close();
    silenceSoundLibraries();
    // Read here, bounded, so that FluidSynth never opens the file itself:
    // a pipe or a huge file in the tune's place must not hold up the splash.
    BoundedFile tune = readBoundedFile(qt::localPath(midiFile), kMaxMidiFileBytes);
    if (!tune.isRead() || !tune.bytes.starts_with("MThd")) return;
    const QByteArray soundFont = generalMidiSoundFont();
    if (soundFont.isEmpty()) return;

    auto session = std::make_unique<Session>();
    session->tune = std::move(tune.bytes);
    session->settings = new_fluid_settings();
    if (!session->settings) return;
    fluid_settings_setint(session->settings, "synth.lock-memory", 0);
    for (const auto& [name, value] : audioSettings_)
        fluid_settings_setstr(session->settings, name.c_str(), value.c_str());
    session->synth = new_fluid_synth(session->settings);
    if (!session->synth || fluid_synth_sfload(session->synth, soundFont.constData(), 1) == FLUID_FAILED) return;
    if (!session->addPlayer(0)) return;
    // Last, since from here on an audio thread runs the synthesiser.
    session->driver = new_fluid_audio_driver(session->settings, session->synth);
    if (session->driver) session_ = std::move(session);
}

void FluidMusicPlayer::play() {
    if (!session_) return;
    fluid_player_t* player = session_->current();
    const int status = fluid_player_get_status(player);
    if (status == FLUID_PLAYER_PLAYING) return;
    if (status != FLUID_PLAYER_READY) {
        player = session_->addPlayer(std::exchange(session_->resumeTick, 0));
        if (!player) return;
    }
    fluid_player_play(player);
}

void FluidMusicPlayer::pause() {
    if (!isSounding()) return;
    fluid_player_t* player = session_->current();
    session_->resumeTick = fluid_player_get_current_tick(player);
    fluid_player_stop(player);
    fluid_synth_all_notes_off(session_->synth, -1);
}

void FluidMusicPlayer::close() { session_.reset(); }

bool FluidMusicPlayer::isSounding() const {
    return session_ && fluid_player_get_status(session_->current()) == FLUID_PLAYER_PLAYING;
}

std::unique_ptr<MusicPlayer> makeSystemMusicPlayer() { return std::make_unique<FluidMusicPlayer>(); }

} // namespace calvex
