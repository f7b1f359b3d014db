#include "print/printouts/title_page_printout.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;

class TitlePagePrintoutTest : public ::testing::Test {
protected:
    TitlePagePrintoutTest() {
        const std::vector<std::string> values{"Scuola via Roma", "Lucca", "Comune di Lucca",         "ing. Neri",
                                              "arch. Bini",      "Pisa",  "luned\u00ec, 3 mar 2025", "tavole 1-4"};
        for (int field = 0; field < kTitleFieldCount; ++field)
            project.setTitle(static_cast<TitleField>(field), values[static_cast<std::size_t>(field)]);
        printouts::printTitlePageData(device, project, "Studio Tecnico Rossi", "via Garibaldi 7, Pisa");
        texts = device.texts();
    }

    ProjectData project;
    RecordingDevice device;
    std::vector<RecordingDevice::Item> texts;
};

TEST_F(TitlePagePrintoutTest, RomanFrameStartingAt1000Twips) {
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "CALVEX - verifica antisismica di edifici in muratura");
    EXPECT_EQ(texts[0].y, 1000);
    EXPECT_EQ(texts[0].size, 18);
    for (const auto& item : texts) EXPECT_EQ(item.font, "Roman") << item.text;
    // Title at 18 points (342 twips), one empty line at 12 (228).
    EXPECT_EQ(texts[1].text, "FRONTESPIZIO");
    EXPECT_EQ(texts[1].column, 10);
    EXPECT_EQ(texts[1].size, 12);
    EXPECT_EQ(texts[1].y, 1000 + 342 + 228);
    EXPECT_EQ(device.documentEnds(), 1);
}

TEST_F(TitlePagePrintoutTest, CaptionsAt10AndTextsAt45OnOneLineEach) {
    const std::vector<std::pair<std::string, std::string>> expected{
        {"progetto:", "Scuola via Roma"},
        {"localit\u00e0:", "Lucca"},
        {"committente:", "Comune di Lucca"},
        {"progettista:", "ing. Neri"},
        {"direttore dei lavori:", "arch. Bini"},
        {"luogo della elaborazione:", "Pisa"},
        {"data della elaborazione:", "luned\u00ec, 3 mar 2025"},
        {"allegati alla relazione:", "tavole 1-4"},
        {"il calcolatore:", "Studio Tecnico Rossi"},
    };
    ASSERT_EQ(texts.size(), 2 + 2 * expected.size() + 1);
    const int firstY = texts[1].y + 2 * 228;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& caption = texts[2 + 2 * i];
        const auto& text = texts[3 + 2 * i];
        EXPECT_EQ(caption.text, expected[i].first);
        EXPECT_EQ(caption.column, 10);
        EXPECT_EQ(text.text, expected[i].second);
        EXPECT_EQ(text.column, 45);
        EXPECT_EQ(text.y, caption.y);
        // One empty line between the eight texts and the calculator.
        const int gap = i == expected.size() - 1 ? 1 : 0;
        EXPECT_EQ(caption.y, firstY + static_cast<int>(i + gap) * 228) << caption.text;
    }
    EXPECT_EQ(texts.back().text, "via Garibaldi 7, Pisa");
    EXPECT_EQ(texts.back().column, 45);
    EXPECT_EQ(texts.back().y, texts[texts.size() - 2].y + 228);
}

} // namespace
} // namespace calvex
