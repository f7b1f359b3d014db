// The splash music on Windows: the system's MIDI sequencer through the
// Media Control Interface of winmm. Without a MIDI device, or with a file
// that is not a regular MIDI file of at most kMaxMidiFileBytes, it stays
// silent.

#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "model/bounded_file.h"
#include "platform/system_music.h"
#include "print/qt/local_path.h"

namespace calvex {

namespace {

class MciMusicPlayer : public MusicPlayer {
public:
    MciMusicPlayer() = default;
    ~MciMusicPlayer() override { close(); }
    MciMusicPlayer(const MciMusicPlayer&) = delete;
    MciMusicPlayer& operator=(const MciMusicPlayer&) = delete;

    void open(const QString& midiFile) override {
        close();
        // Checked here, bounded, so that the sequencer never opens a pipe or
        // a huge file in the tune's place.
        const BoundedFile tune = readBoundedFile(qt::localPath(midiFile), kMaxMidiFileBytes);
        if (!tune.isRead() || !tune.bytes.starts_with("MThd")) return;
        const std::wstring command =
            L"open \"" + qt::localPath(midiFile).make_preferred().wstring() + L"\" type sequencer alias " + kAlias;
        open_ = send(command);
    }
    void play() override {
        if (open_) send(std::wstring(L"play ") + kAlias);
    }
    void pause() override {
        if (open_) send(std::wstring(L"pause ") + kAlias);
    }
    void close() override {
        if (open_) send(std::wstring(L"close ") + kAlias);
        open_ = false;
    }

private:
    static constexpr const wchar_t* kAlias = L"calvex_musica";

    static bool send(const std::wstring& command) { return mciSendStringW(command.c_str(), nullptr, 0, nullptr) == 0; }

    bool open_ = false;
};

} // namespace

std::unique_ptr<MusicPlayer> makeSystemMusicPlayer() { return std::make_unique<MciMusicPlayer>(); }

} // namespace calvex
