#include "platform/fluid_music_player.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>

#include <sys/stat.h>

#include "support/hang_guard.h"

namespace calvex {
namespace {

const QString tune = QStringLiteral(CALVEX_SOURCE_DIR "/resources/Internet.mid");

TEST(FluidMusicPlayer, StaysSilentAndQuickWithoutAPlayableTune) {
    const QString notMidi = QStringLiteral(CALVEX_SOURCE_DIR "/tools/make_tune.py");
    ASSERT_TRUE(QFileInfo(notMidi).isFile());
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("Internet.mid"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const testing::HangGuard guard;
    const auto start = std::chrono::steady_clock::now();

    FluidMusicPlayer player;
    player.play();
    player.pause();
    player.close();
    for (const QString& file : {QStringLiteral("nessuna-musica.mid"), notMidi, QString(),
                                QStringLiteral(CALVEX_SOURCE_DIR "/resources"), pipe}) {
        player.open(file);
        player.pause();
        player.play();
        EXPECT_FALSE(player.isSounding()) << file.toStdString();
        player.open(file);
        player.close();
        player.close();
        player.play();
        EXPECT_FALSE(player.isSounding()) << file.toStdString();
    }

    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::milliseconds(500));
}

TEST(FluidMusicPlayer, TuneRunsOnTheSystemOutputOrStaysSilent) {
    FluidMusicPlayer player;
    player.open(tune);
    player.play();
    const bool sounding = player.isSounding(); // false on machines without sound
    player.pause();
    EXPECT_FALSE(player.isSounding());
    player.play();
    EXPECT_EQ(player.isSounding(), sounding);
    player.close();
    EXPECT_FALSE(player.isSounding());
}

bool fileOutputAvailable() {
    fluid_settings_t* settings = new_fluid_settings();
    char* drivers = fluid_settings_option_concat(settings, "audio.driver", ",");
    const bool available = drivers && QByteArray(drivers).split(',').contains("file");
    fluid_free(drivers);
    delete_fluid_settings(settings);
    return available;
}

TEST(FluidMusicPlayer, PlaysPausesResumesAndClosesTheTune) {
    if (!QFileInfo(QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")).isFile() || !fileOutputAvailable())
        GTEST_SKIP() << "no soundfont or no file output in this FluidSynth";
    QTemporaryDir folder;
    FluidMusicPlayer player({{"audio.driver", "file"}, {"audio.file.name", folder.filePath("tune.wav").toStdString()}});

    player.pause();
    player.open(tune);
    EXPECT_FALSE(player.isSounding()) << "opening does not start the music";
    player.play();
    player.play();
    EXPECT_TRUE(player.isSounding());
    player.pause();
    EXPECT_FALSE(player.isSounding());
    player.pause();
    player.play();
    EXPECT_TRUE(player.isSounding()) << "a paused tune plays again";
    player.open(QStringLiteral("nessuna-musica.mid"));
    EXPECT_FALSE(player.isSounding()) << "opening another file closes the tune";
    player.open(tune);
    EXPECT_FALSE(player.isSounding());
    player.play();
    EXPECT_TRUE(player.isSounding());
    player.close();
    EXPECT_FALSE(player.isSounding());
    player.play();
    EXPECT_FALSE(player.isSounding());
}

TEST(FluidMusicPlayer, RefusesATuneOverTheLimit) {
    if (!QFileInfo(QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")).isFile() || !fileOutputAvailable())
        GTEST_SKIP() << "no soundfont or no file output in this FluidSynth";
    QTemporaryDir folder;
    FluidMusicPlayer player({{"audio.driver", "file"}, {"audio.file.name", folder.filePath("tune.wav").toStdString()}});
    // The tune followed by bytes enough to pass the limit.
    const QString large = folder.filePath(QStringLiteral("grande.mid"));
    ASSERT_TRUE(QFile::copy(tune, large));
    ASSERT_TRUE(QFile::resize(large, static_cast<qint64>(kMaxMidiFileBytes) + 1));
    player.open(large);
    player.play();
    EXPECT_FALSE(player.isSounding());

    ASSERT_TRUE(QFile::resize(large, static_cast<qint64>(kMaxMidiFileBytes)));
    player.open(large);
    player.play();
    EXPECT_TRUE(player.isSounding()) << "a tune at the limit plays";
    player.close();
}

} // namespace
} // namespace calvex
