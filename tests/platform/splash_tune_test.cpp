#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <vector>

namespace calvex {
namespace {

const char* const tuneFile = CALVEX_SOURCE_DIR "/resources/Internet.mid";

quint32 bigEndian32(const QByteArray& data, qsizetype at) {
    return qFromBigEndian<quint32>(data.constData() + at);
}

TEST(SplashTune, IsAStandardMidiFileOfWholeChunks) {
    QFile file(QString::fromUtf8(tuneFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    ASSERT_GE(data.size(), 14);
    EXPECT_EQ(data.left(4), "MThd");
    EXPECT_EQ(bigEndian32(data, 4), 6u);
    const int format = qFromBigEndian<quint16>(data.constData() + 8);
    const int tracks = qFromBigEndian<quint16>(data.constData() + 10);
    EXPECT_TRUE(format == 0 || format == 1);
    EXPECT_GE(tracks, 1);

    qsizetype at = 14;
    int found = 0;
    while (at + 8 <= data.size()) {
        EXPECT_EQ(data.mid(at, 4), "MTrk") << "chunk at " << at;
        const qsizetype length = bigEndian32(data, at + 4);
        ASSERT_LE(at + 8 + length, data.size()) << "track " << found << " runs past the end";
        EXPECT_EQ(data.mid(at + 8 + length - 3, 3), QByteArray("\xff\x2f\x00", 3)) << "track " << found;
        at += 8 + length;
        ++found;
    }
    EXPECT_EQ(at, data.size());
    EXPECT_EQ(found, tracks);
}

// Renders the tune as fast as the synthesiser can and measures how long it plays.
TEST(SplashTune, PlaysForFifteenToTwentyFiveSeconds) {
    const char* const soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    if (!fluid_is_soundfont(soundFont)) GTEST_SKIP() << "no soundfont";
    ASSERT_TRUE(fluid_is_midifile(tuneFile));
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    ASSERT_NE(fluid_synth_sfload(synth, soundFont, 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    ASSERT_EQ(fluid_player_add(player, tuneFile), FLUID_OK);
    ASSERT_EQ(fluid_player_play(player), FLUID_OK);

    double sampleRate = 0;
    fluid_settings_getnum(settings, "synth.sample-rate", &sampleRate);
    const int block = 512;
    std::vector<float> left(block), right(block);
    long frames = 0;
    float loudest = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && frames < 60 * sampleRate) {
        fluid_synth_write_float(synth, block, left.data(), 0, 1, right.data(), 0, 1);
        for (float sample : left) loudest = std::max(loudest, std::abs(sample));
        frames += block;
    }
    const double seconds = frames / sampleRate;
    EXPECT_GT(seconds, 15.0);
    EXPECT_LT(seconds, 25.0);
    EXPECT_GT(loudest, 0.01f) << "the tune must be audible";

    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

} // namespace
} // namespace calvex
