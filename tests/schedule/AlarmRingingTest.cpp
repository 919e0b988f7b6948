#include <gtest/gtest.h>

#include "schedule/AlarmTexts.h"
#include "settings/AlarmWords.h"
#include "sim/SimHarness.h"

namespace velmora::test {
namespace {

const std::vector<std::string> kAlarmAtSeven = {"[Jiho]", "Use=0", "[Alarm]", "Use=1",
                                                "DayTime=2011/01/01 7:00:00"};

std::vector<std::string> With(std::vector<std::string> lines,
                              const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::vector<std::string> Percents(const std::vector<SimEvent>& volumes) {
    std::vector<std::string> percents;
    for (const SimEvent& e : volumes) {
        percents.push_back(e.Details.substr(e.Details.find('=') + 1));
    }
    return percents;
}

// The alarm rings in the first tick of its window, speaks its words after
// its sound and repeats them back to back until STOP; then the next alarm
// is armed.
TEST(AlarmRinging, RingsRepeatsAndStops) {
    SimHarness harness(With(kAlarmAtSeven, {"BeforeSoundNo=3"}));
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:01:00",
                             [](SimulationConfig& c) { c.StopAfterMs = 20'000; });
    sim->Run();
    const auto starts = Named(*sim, "ALARM-START");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(ClockOf(starts[0]), "07:00:00.000");
    const auto words = Named(*sim, "SPEAK");
    // 2.5 s of sound and 2 s of words, each repetition on the next tick.
    ASSERT_EQ(words.size(), 5u);
    for (const SimEvent& e : words) {
        EXPECT_EQ(e.Details, "text=" + PresetAlarmWord(2));
    }
    EXPECT_EQ(Named(*sim, "BEFORE").front().Details, "index=3 list=alarm");
    EXPECT_EQ(ClockOf(Named(*sim, "STOP").front()), "07:00:20.000");
    const auto arms = Named(*sim, "ARM");
    ASSERT_EQ(arms.size(), 2u);
    EXPECT_EQ(arms[1].Details, "wake=2024/01/03 06:59:00 alarm=2024/01/03 07:00:00");
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), 1u);
    // The user's level comes back once the words stop.
    const auto restores = Named(*sim, "RESTORE");
    ASSERT_EQ(restores.size(), 1u);
    EXPECT_GE(restores[0].Ms, Named(*sim, "STOP").front().Ms);
    EXPECT_FALSE(sim->State().Ringing);
    EXPECT_FALSE(sim->Window().Enlarged());
    EXPECT_FALSE(sim->Menu().RingingLock());
}

// Armed after the wake moment but before the alarm (switched on a minute
// ahead to try it): today's alarm rings, and only then is tomorrow's armed.
TEST(AlarmRinging, ArmedAfterTheWakeMomentStillRingsToday) {
    SimHarness harness(kAlarmAtSeven);
    auto sim = harness.Start("2024/01/02 6:59:20", "2024/01/02 7:01:00",
                             [](SimulationConfig& c) { c.StopAfterMs = 5000; });
    sim->Run();
    ASSERT_EQ(Named(*sim, "ALARM-START").size(), 1u);
    EXPECT_EQ(ClockOf(Named(*sim, "ALARM-START")[0]), "07:00:00.000");
    const auto arms = Named(*sim, "ARM");
    ASSERT_EQ(arms.size(), 2u);
    EXPECT_EQ(arms[0].Details, "wake=2024/01/02 06:59:00 alarm=2024/01/02 07:00:00");
    EXPECT_EQ(arms[1].Details, "wake=2024/01/03 06:59:00 alarm=2024/01/03 07:00:00");
}

// The first arming happens in the first tick at or after ten seconds; the
// settings item is enabled only then.
TEST(AlarmRinging, StartupStepAfterTenSeconds) {
    SimHarness harness(kAlarmAtSeven);
    auto sim = harness.Start("2024/01/02 5:00:00", "2024/01/02 5:00:30");
    sim->RunUntil(At("2024/01/02 5:00:09.950"));
    EXPECT_FALSE(sim->Menu().ShowSetteiEnabled());
    EXPECT_TRUE(Named(*sim, "ARM").empty());
    sim->Run();
    EXPECT_TRUE(sim->Menu().ShowSetteiEnabled());
    ASSERT_EQ(Named(*sim, "ARM").size(), 1u);
    EXPECT_LT(Named(*sim, "ARM")[0].Ms - At("2024/01/02 5:00:10"), 100);
    EXPECT_EQ(sim->Window().Label(), kAlarmOnLabel);
    EXPECT_EQ(sim->Menu().Tip(), "ベルモラ\nALARM ON\n2024/01/02(火) 07:00:00");
    EXPECT_EQ(sim->Menu().Icon(), TrayIcon::Alarm);
}

// No alarm time at all: armed at start-up, the alarm switches itself off.
TEST(AlarmRinging, NoAlarmTimeSwitchesOff) {
    SimHarness harness({"[Alarm]", "Snooze=1", "DayOrWeek=1"});
    auto sim = harness.Start("2024/01/02 5:00:00", "2024/01/02 5:00:30");
    sim->Run();
    ASSERT_EQ(Named(*sim, "OFF").size(), 1u);
    EXPECT_FALSE(sim->Menu().SnoozeChecked());
    EXPECT_EQ(sim->Window().Label(), kAlarmOffLabel);
    EXPECT_EQ(sim->Menu().Tip(), "ベルモラ\nALARM OFF");
    EXPECT_EQ(sim->Menu().Icon(), TrayIcon::Application);
    EXPECT_EQ(sim->State().WakeTime, 0.0);
}

// A wake-up timer that cannot be set: the user is told, and the alarm stays
// armed and rings on time for a computer that is awake.
TEST(AlarmRinging, TimerThatCannotBeSetStillRingsWhileAwake) {
    SimHarness harness(kAlarmAtSeven);
    auto sim = harness.Start("2024/01/02 6:00:00", "2024/01/02 7:00:30");
    sim->Wake().SetRefuse(true);
    sim->Run();
    EXPECT_TRUE(Named(*sim, "OFF").empty());
    EXPECT_EQ(sim->MainWindow().Shown().front(), kWakeUpFailedMessage);
    EXPECT_TRUE(sim->Menu().AlarmChecked());
    ASSERT_EQ(Named(*sim, "ALARM-START").size(), 1u);
    EXPECT_EQ(ClockOf(Named(*sim, "ALARM-START")[0]), "07:00:00.000");
}

// SNOOZE answered No: the words come back SnoozeInterval minutes after the
// answer, at the level the ramp had reached, and the ramp goes on from
// there; the alarm's level holds through the pause.
TEST(AlarmRinging, SnoozeRepeatsAtTheRampLevel) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "BeforeSoundNo=4", "VolumeUp=1", "FirstVolume=50", "MaxVolume=100",
                        "SnoozeInterval=2"});
    // Until just before the user's next STOP, ten seconds after the repeat.
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:02:19", [](SimulationConfig& c) {
        c.StopAfterMs = 10'000;
        c.SnoozeAnswerYes = false;
    });
    sim->Run();
    const auto waits = Named(*sim, "SNOOZE-WAIT");
    ASSERT_EQ(waits.size(), 1u);
    EXPECT_EQ(ClockOf(waits[0]), "07:00:10.000");
    EXPECT_EQ(sim->User().Questions(), std::vector<std::string>{kSnoozeQuestion});
    const auto before =
        Percents(NamedBetween(*sim, "VOLUME", "2024/01/02 7:00:00", "2024/01/02 7:00:10"));
    ASSERT_GE(before.size(), 3u);
    EXPECT_EQ(before[0], "50");
    EXPECT_EQ(before[1], "53");
    EXPECT_TRUE(Named(*sim, "RESTORE").empty());
    EXPECT_TRUE(
        NamedBetween(*sim, "SPEAK", "2024/01/02 7:00:10.100", "2024/01/02 7:02:10").empty());
    // Back after two minutes, on the tick after the answer plus the interval.
    const auto again = NamedBetween(*sim, "VOLUME", "2024/01/02 7:02:10", "2024/01/02 7:02:19");
    std::cerr << Journal(*sim);
    ASSERT_FALSE(again.empty());
    EXPECT_LT(again[0].Ms - At("2024/01/02 7:02:10"), 100);
    ASSERT_GE(again.size(), 2u);
    EXPECT_EQ(Percents(again)[0], before.back());
    EXPECT_EQ(std::stoi(Percents(again)[1]), std::stoi(before.back()) + 3);
    EXPECT_FALSE(NamedBetween(*sim, "SPEAK", "2024/01/02 7:02:10", "2024/01/02 7:02:11").empty());
    EXPECT_TRUE(sim->State().Ringing);
    EXPECT_TRUE(sim->Window().Enlarged());
}

// SNOOZE answered Yes: the ringing ends, the mode stays SNOOZE and the next
// alarm is armed.
TEST(AlarmRinging, SnoozeAnsweredYesEnds) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:01:00",
                             [](SimulationConfig& c) { c.StopAfterMs = 5'000; });
    sim->Run();
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), 1u);
    EXPECT_TRUE(Named(*sim, "SNOOZE-WAIT").empty());
    EXPECT_TRUE(sim->Menu().SnoozeChecked());
    EXPECT_EQ(sim->Menu().Tip(), "ベルモラ\nSNOOZE\n2024/01/03(水) 07:00:00");
    EXPECT_EQ(sim->Menu().Icon(), TrayIcon::Snooze);
    EXPECT_EQ(Named(*sim, "ARM").back().Details,
              "wake=2024/01/03 06:59:00 alarm=2024/01/03 07:00:00");
}

// Music alone: no utterance at all, yet the repetition step keeps stepping
// the ramp, 3 points about every 3 seconds up to the maximum.
TEST(AlarmRinging, MusicAloneStillRampsTheVolume) {
    SimHarness harness({});
    const std::string music = harness.WriteWave("music.wav", 60'000);
    harness.WriteIni({"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00", "Word=0",
                      "VolumeUp=1", "FirstVolume=80", "MaxVolume=92", "[Music]", "No=1", "Count=2",
                      "1=" + music});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:30");
    sim->Run();
    EXPECT_TRUE(Named(*sim, "SPEAK").empty());
    ASSERT_EQ(Named(*sim, "MUSIC").size(), 1u);
    EXPECT_EQ(Named(*sim, "MUSIC")[0].Details, "path=" + music);
    const auto volumes = Named(*sim, "VOLUME");
    ASSERT_GE(volumes.size(), 5u);
    EXPECT_EQ(Percents(volumes)[4], "92");
    for (size_t i = 1; i < 5; ++i) {
        const long long gap = volumes[i].Ms - volumes[i - 1].Ms;
        EXPECT_GT(gap, 3000);
        EXPECT_LE(gap, 3100);
    }
    EXPECT_EQ(Percents(volumes).back(), "92");
}

// Without words and without the ramp nothing keeps the speech channels busy,
// yet the alarm's level holds through the ringing (the user's own level may
// be nearly muted) and the user's comes back only at its end.
TEST(AlarmRinging, TheAlarmLevelHoldsWithoutWordsOrRamp) {
    SimHarness harness({});
    const std::string music = harness.WriteWave("music.wav", 60'000);
    const std::vector<std::pair<const char*, std::vector<std::string>>> rings = {
        {"music alone", {"[Music]", "No=1", "Count=2", "1=" + music}},
        {"a sound alone", {"BeforeSoundNo=3"}},
    };
    for (const auto& [name, sound] : rings) {
        SCOPED_TRACE(name);
        harness.WriteIni(With({"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00",
                               "Word=0", "FirstVolume=90"},
                              sound));
        auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:01:10",
                                 [](SimulationConfig& c) { c.StopAfterMs = 40'000; });
        sim->Run();
        EXPECT_EQ(Percents(Named(*sim, "VOLUME")), std::vector<std::string>{"90"});
        const auto restores = Named(*sim, "RESTORE");
        ASSERT_EQ(restores.size(), 1u) << Journal(*sim);
        ASSERT_EQ(Named(*sim, "ALARM-END").size(), 1u);
        EXPECT_GE(restores[0].Ms, Named(*sim, "ALARM-END")[0].Ms);
    }
}

// A recorded voice whose header is cut short (no channels): the words stand
// in for it from the first utterance and the user is told once; a good
// recording put in its place plays at the snooze's repeat.
TEST(AlarmRinging, UnreadableRecordingGivesWayToTheWords) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "SnoozeInterval=1", "HowTo=1", "Word=3"});
    WriteBytes(harness.DataFolder() + "MyAlarm.wav",
               std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\0\0", 24));
    auto sim = harness.Start("2024/01/02 6:59:20", "2024/01/02 7:01:30", [](SimulationConfig& c) {
        c.StopAfterMs = 10'000;
        c.SnoozeAnswerYes = false;
    });
    sim->RunUntil(At("2024/01/02 7:00:30"));
    const auto words = Named(*sim, "SPEAK");
    ASSERT_EQ(words.size(), 5u);  // 2 s each, back to back until STOP
    for (const SimEvent& e : words) {
        EXPECT_EQ(e.Details, "text=" + PresetAlarmWord(3));
    }
    EXPECT_EQ(sim->MainWindow().Shown(), std::vector<std::string>{kUnreadableRecordingMessage});

    harness.WriteWave("MyAlarm.wav", 1500);
    sim->Run();
    const auto again = NamedBetween(*sim, "SPEAK", "2024/01/02 7:01:00", "2024/01/02 7:01:30");
    ASSERT_GE(again.size(), 2u);
    EXPECT_EQ(again[0].Details, "text=");
    EXPECT_GE(again[1].Ms - again[0].Ms, 1500);  // the recording's length
}

// A ramp needs room: a first volume at or above the maximum stays put.
TEST(AlarmRinging, NoRampWithoutRoom) {
    SimHarness harness(With(kAlarmAtSeven, {"VolumeUp=1", "FirstVolume=70", "MaxVolume=70"}));
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:40");
    sim->Run();
    EXPECT_EQ(Percents(Named(*sim, "VOLUME")), std::vector<std::string>{"70"});
    EXPECT_GT(Named(*sim, "SPEAK").size(), 5u);
}

// No sound chosen ("なし") and nothing in the music player: the words come
// with no sound before them; an empty path is no file to tell apart from
// the music.
TEST(AlarmRinging, NoSoundChosenPlaysNoSound) {
    SimHarness harness(kAlarmAtSeven);
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:30");
    sim->Run();
    EXPECT_GT(Named(*sim, "SPEAK").size(), 5u);
    EXPECT_TRUE(Named(*sim, "BEFORE").empty());
}

// The hint while ringing tells how to stop; with the music going on, how to
// stop it; with SNOOZE, how to end the snooze.
TEST(AlarmRinging, RingingHintTexts) {
    EXPECT_EQ(RingingHint(true, false),
              "「STOP」ボタンをクリックするか[Esc]キーを押せばしゃべらなくなります。\n"
              "音楽も止まります。");
    EXPECT_EQ(RingingHint(false, true),
              "「STOP」ボタンをクリックするか[Esc]キーを押せばしゃべらなくなります。\n"
              "音楽を止めるには右クリックして表示されるメニューで\n"
              "「音楽停止」をクリックしてください。\n"
              "スヌーズを止めるには右クリックして表示されるメニューで\n"
              "「スヌーズ」のチェックを外してください。");

    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "[Music]", "OnVoiceStopPlayStop=1"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:05");
    sim->Run();
    EXPECT_EQ(sim->Window().Hint(), RingingHint(false, true));  // no music: the option is off
    EXPECT_TRUE(sim->Menu().RingingLock());
    EXPECT_TRUE(sim->Window().Enlarged());
    EXPECT_TRUE(sim->Window().TopMost());
}

// Holding Esc stops the ringing; in SNOOZE each stop asks again, one
// question at a time, as long as the key is held.
TEST(AlarmRinging, EscapeStopsAndAsksAgainWhileHeld) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:05",
                             [](SimulationConfig& c) { c.SnoozeAnswerYes = false; });
    sim->RunUntil(At("2024/01/02 7:00:03"));
    sim->User().HoldEscape(true);
    sim->RunUntil(At("2024/01/02 7:00:03.450"));
    sim->User().HoldEscape(false);
    sim->Run();
    const auto stops = Named(*sim, "STOP");
    EXPECT_EQ(stops.size(), 4u);  // one for each tick the key was down
    EXPECT_EQ(sim->User().Questions().size(), stops.size());
    EXPECT_TRUE(sim->State().SnoozeWaiting);
    EXPECT_FALSE(sim->State().EscLatch);
}

// "スヌーズ(&N)" unchecked while ringing: the words stop at once, the window
// goes back to its size, the keep-awake ends; no question is asked.
TEST(AlarmRinging, SnoozeMenuStopsTheRinging) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "BeforeSoundNo=4", "VolumeUp=1", "MaxVolume=80"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:30");
    sim->RunUntil(At("2024/01/02 7:00:01"));
    ASSERT_EQ(sim->Device().Status(0), kChannelPlayingOnce);
    // The menu's handler: the ringing stops first, then the item is
    // unchecked and, with "目覚まし(&M)" unchecked too, the alarm goes off.
    sim->Engine().Ringing().StopFromSnoozeMenu();
    EXPECT_EQ(sim->Device().Status(0), kChannelIdle);
    sim->Menu().SetAlarmModes(false, false);
    sim->Engine().Arming().SetAlarmOff();
    EXPECT_FALSE(sim->State().Ringing);
    EXPECT_EQ(sim->State().RampStart, 0.0);
    EXPECT_FALSE(sim->Window().Enlarged());
    EXPECT_FALSE(sim->Menu().RingingLock());
    EXPECT_FALSE(sim->Awake().Inhibited());
    sim->Run();
    EXPECT_EQ(Named(*sim, "SPEAK").size(), 1u);
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), 1u);
    EXPECT_EQ(Named(*sim, "RESTORE").size(), 1u);
    EXPECT_EQ(Named(*sim, "OFF").size(), 1u);
    EXPECT_TRUE(sim->User().Questions().empty());
}

// "スヌーズ(&N)" unchecked while the snooze question is up: the ringing is
// over, and the No given afterwards must not start a snooze pause that
// nothing would end.
TEST(AlarmRinging, SnoozeMenuWhileTheQuestionIsUpWinsOverTheAnswer) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "BeforeSoundNo=4", "SnoozeInterval=1"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:03:00", [](SimulationConfig& c) {
        c.StopAfterMs = 1000;
        c.SnoozeAnswerYes = false;
    });
    sim->User().WhileNextQuestionIsUp([&] {
        sim->Engine().Ringing().StopFromSnoozeMenu();
        sim->Menu().SetAlarmModes(false, false);
        sim->Engine().Arming().SetAlarmOff();
    });
    sim->Run();
    EXPECT_EQ(sim->User().Questions().size(), 1u);
    EXPECT_FALSE(sim->State().Ringing);
    EXPECT_FALSE(sim->State().SnoozeWaiting);
    EXPECT_TRUE(NamedBetween(*sim, "SPEAK", "2024/01/02 7:00:02", "2024/01/02 7:03:00").empty());
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), 1u);
}

// The before sound is cut off after ten seconds and the words follow.
TEST(AlarmRinging, LongBeforeSoundIsCutAfterTenSeconds) {
    SimHarness harness({});
    const std::string longSound = harness.WriteWave("long.wav", 15'000);
    harness.WriteIni(With(kAlarmAtSeven, {"BeforeSoundNo=14", "BeforeSoundCount=15",
                                          "[BeforeSound]", "14=" + longSound}));
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:25");
    sim->Run();
    const auto words = Named(*sim, "SPEAK");
    ASSERT_GE(words.size(), 2u);
    // Sound cut at 10 s, 2 s of words, the next tick.
    EXPECT_GT(words[1].Ms - words[0].Ms, 12'000);
    EXPECT_LE(words[1].Ms - words[0].Ms, 12'200);
}

}  // namespace
}  // namespace velmora::test
