#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace calvex {
namespace {

const char* const tuneFile = CALVEX_SOURCE_DIR "/resources/Internet.mid";

// Renders the tune as fast as the synthesiser can and measures how long it plays.
TEST(SplashTune, IsAMidiFileThatPlaysForFifteenToTwentyFiveSeconds) {
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
