#include <gtest/gtest.h>

#include "fakes/FakeRandom.h"
#include "fakes/FakeSpeechSynthesizer.h"
#include "schedule/PreAnnouncement.h"

namespace velmora {
namespace {

class PreAnnouncementTest : public ::testing::Test {
protected:
    PreAnnouncement Build(std::optional<long long> leadSoundMs) {
        return BuildPreAnnouncement(settings, mark, voices, random, [&](int index) {
            askedSound.push_back(index);
            return leadSoundMs;
        });
    }

    Settings settings;
    DateTime mark = EncodeDate(2026, 12, 7) + EncodeTime(10, 15, 0);
    test::FakeSpeechSynthesizer voices;
    test::FakeRandom random;
    std::vector<int> askedSound;
};

TEST_F(PreAnnouncementTest, TextIsSoonThenTheTimeOfTheMark) {
    settings.Gobi = "だよ。";
    settings.SpeakSpead = 150;
    settings.VoiceNo = 3;
    const PreAnnouncement p = Build(std::nullopt);
    EXPECT_EQ(p.Text,
              "ま'もなく、ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+だよ。");
    ASSERT_EQ(voices.calls.size(), 1u);
    EXPECT_EQ(voices.calls[0].text, p.Text);
    EXPECT_EQ(voices.calls[0].voice, 3);
    EXPECT_EQ(voices.calls[0].speed, 150);
    EXPECT_TRUE(askedSound.empty());  // no lead sound configured
}

TEST_F(PreAnnouncementTest, LeadIsTheSpeechLengthRoundedHalfToEven) {
    struct Case {
        size_t samples;
        int seconds;
    };
    // 8000 samples a second: 2.5 s rounds to 2, 3.5 s to 4, 2.6 s to 3.
    for (const Case c : {Case{20000, 2}, Case{28000, 4}, Case{20800, 3}, Case{0, 0}}) {
        voices.samples.assign(c.samples, 100);
        EXPECT_EQ(Build(std::nullopt).LeadSeconds, c.seconds) << c.samples;
    }
}

TEST_F(PreAnnouncementTest, LeadSoundLengthIsAddedAndCappedAtTenSeconds) {
    settings.JihoLeadSoundNo = 3;
    voices.samples.assign(16000, 100);  // 2 s of speech
    struct Case {
        std::optional<long long> ms;
        int lead;
    };
    const Case cases[] = {
        {1500, 2 + 2},           // 1.5 s rounds to 2
        {2500, 2 + 2},           // halves go to even
        {0, 10 + 2},             // a length of 0 counts as the longest
        {60000, 10 + 2},         // a long sound is cut at 10 s
        {std::nullopt, 10 + 2},  // unreadable: the longest too
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Build(c.ms).LeadSeconds, c.lead);
    }
    EXPECT_EQ(askedSound.front(), 3);
}

TEST_F(PreAnnouncementTest, RefusedSpeechAddsNothingAndRandomVoiceIsDrawn) {
    settings.VoiceNo = 6;
    random.draws = {4};
    voices.refuse = true;
    EXPECT_EQ(Build(std::nullopt).LeadSeconds, 0);
    EXPECT_EQ(voices.calls.at(0).voice, 4);
    EXPECT_EQ(random.asked, std::vector<int>{6});
}

}  // namespace
}  // namespace velmora
