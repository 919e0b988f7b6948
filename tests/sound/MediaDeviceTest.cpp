#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "MusicList.h"
#include "SpeechRig.h"
#include "base/ClockSeededRandom.h"
#include "base/SystemMillisecondClock.h"
#include "fakes/FakeDesktopOpener.h"
#include "fakes/FakeMusicHooks.h"
#include "fakes/FakeNotices.h"
#include "settings/IniFile.h"
#include "sound/AlarmMusic.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/qt/QtMediaPlayer.h"
#include "sound/qt/SoundFilePlayer.h"
#include "sound/qt/XdgOpener.h"
#include "support/RealSound.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

using std::chrono::duration_cast;
using std::chrono::milliseconds;

// The built-in before sounds from the program folder, played by the real
// before-sound player ahead of speech on the real device.
using BeforeSoundDevice = SpeechRig<SoundFilePlayer>;

TEST_F(BeforeSoundDevice, BeforeSoundIsHeardAndItsEndStartsTheSpeech) {
    synth.samples = Sine(600, 0.4, 0.5);
    ASSERT_EQ(speech.Speak({.Text = "あ", .BeforeSound = 4}), kSpeakStarted);  // ピコ
    const auto returned = SinkMonitor::Clock::now();
    EXPECT_TRUE(notices.messages.empty() && notices.notices.empty());
    ASSERT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 3000));
    RunFor(200);

    const auto samples = monitor.Samples();
    const size_t window = MonitorSamples(0.02);
    std::optional<size_t> lastPip;
    std::optional<size_t> speechStart;
    for (size_t i = 0; i + window <= samples.size(); i += window) {
        if (ToneLevel(samples, i, i + window, 2093, SinkMonitor::kRate) > 0.05 ||
            ToneLevel(samples, i, i + window, 1568, SinkMonitor::kRate) > 0.05) {
            lastPip = i + window;
        }
        if (!speechStart && ToneLevel(samples, i, i + window, 600, SinkMonitor::kRate) > 0.1) {
            speechStart = i;
        }
    }
    ASSERT_TRUE(lastPip) << "the before sound did not reach the sink";
    ASSERT_TRUE(speechStart) << "the speech did not reach the sink";
    EXPECT_GT(*speechStart, *lastPip - window);
    // Speak came back only after the sound had played out.
    EXPECT_GT(duration_cast<milliseconds>(returned - monitor.TimeOf(*lastPip)).count(), -30);
}

TEST_F(BeforeSoundDevice, EveryBuiltInSoundPlaysToItsEnd) {
    for (int index = 1; index < static_cast<int>(lists.Jiho.size()); ++index) {
        before.PlayBeforeSound(index, true);
        ASSERT_TRUE(before.BeforeSoundPlaying()) << lists.Jiho[static_cast<size_t>(index)];
        EXPECT_TRUE(RunUntil([&] { return !before.BeforeSoundPlaying(); }, 8000))
            << lists.Jiho[static_cast<size_t>(index)];
    }
    EXPECT_TRUE(notices.messages.empty());
}

// While the sound server is away the before sound and the words play to
// nobody, without a failure to report; once it is back, for all the seconds
// it was away, both are heard again.
TEST_F(BeforeSoundDevice, ASoundServerAwayForSecondsIsFoundAgainByTheNextUtterance) {
    synth.samples = Sine(600, 0.4, 0.5);
    monitor.Stop();
    server_.Stop();
    EXPECT_EQ(speech.Speak({.Text = "あ", .BeforeSound = 4}), kSpeakStarted);
    EXPECT_FALSE(before.BeforeSoundPlaying());
    EXPECT_EQ(speech.SpeechChannelStatus(0), kChannelIdle);
    EXPECT_TRUE(notices.messages.empty() && notices.notices.empty());
    // Longer than a client library keeps trying to get its connection back.
    RunFor(4000);

    ASSERT_TRUE(server_.Start());
    SinkMonitor after;
    std::string error;
    ASSERT_TRUE(after.Start(&error)) << error;
    ASSERT_EQ(speech.Speak({.Text = "あ", .BeforeSound = 4}), kSpeakStarted);  // ピコ
    ASSERT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 3000));
    RunFor(200);
    const auto samples = after.Samples();
    const size_t window = MonitorSamples(0.02);
    bool pip = false;
    bool words = false;
    for (size_t i = 0; i + window <= samples.size(); i += window) {
        pip = pip || ToneLevel(samples, i, i + window, 2093, SinkMonitor::kRate) > 0.05 ||
              ToneLevel(samples, i, i + window, 1568, SinkMonitor::kRate) > 0.05;
        words = words || ToneLevel(samples, i, i + window, 600, SinkMonitor::kRate) > 0.1;
    }
    EXPECT_TRUE(pip) << "no before sound on the restarted server";
    EXPECT_TRUE(words) << "no words on the restarted server";
    EXPECT_TRUE(notices.messages.empty() && notices.notices.empty());
}

// Music files of the usual kinds, made for the test by GStreamer's encoders.
class MediaDevice : public RealSound {
protected:
    std::string Encode(const std::string& extension, const std::string& encoder, double freq,
                       double seconds) {
        const std::string path =
            dir.File("tone" + std::to_string(static_cast<int>(freq)) + "." + extension);
        const int buffers = static_cast<int>(seconds * 10);
        const std::string command =
            "gst-launch-1.0 -q audiotestsrc wave=sine freq=" + std::to_string(freq) +
            " volume=0.5 samplesperbuffer=4410 num-buffers=" + std::to_string(buffers) +
            " ! audio/x-raw,rate=44100,channels=1 ! audioconvert ! " + encoder +
            " ! filesink location=" + path + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path;
    }

    TempDir dir;
};

TEST_F(MediaDevice, UsualFormatsPlayWithTheirLengthAndReportTheirEnd) {
    const std::pair<const char*, const char*> kinds[] = {
        {"wav", "wavenc"},   {"mp3", "lamemp3enc ! id3v2mux"}, {"ogg", "vorbisenc ! oggmux"},
        {"flac", "flacenc"}, {"m4a", "avenc_aac ! mp4mux"},
    };
    for (const auto& [extension, encoder] : kinds) {
        const std::string file = Encode(extension, encoder, 440, 1.0);
        QtMediaPlayer player;
        std::vector<int> states;
        bool failed = false;
        player.SetPlayStateHandler([&](int state) { states.push_back(state); });
        player.SetErrorHandler([&] { failed = true; });
        const size_t from = monitor.Samples().size();
        ASSERT_TRUE(player.SetUrl(file));
        ASSERT_TRUE(player.Play());
        EXPECT_TRUE(
            RunUntil([&] { return !states.empty() && states.back() == kPlayStateStopped; }, 8000))
            << extension;
        EXPECT_FALSE(failed) << extension;
        EXPECT_NEAR(player.Duration(), 1.0, 0.1) << extension;
        ASSERT_GE(states.size(), 3U) << extension;
        EXPECT_EQ(states.front(), kPlayStatePlaying) << extension;
        EXPECT_EQ(states[states.size() - 2], kPlayStateMediaEnded) << extension;
        RunFor(100);
        const auto samples = monitor.Samples();
        // Half the file's level of 0.5: the player's own volume is 50 of 100.
        const auto onset = FirstAbove(samples, 0.05, from);
        ASSERT_TRUE(onset) << extension << " was not heard";
        EXPECT_NEAR(
            ToneLevel(samples, *onset, *onset + MonitorSamples(0.5), 440, SinkMonitor::kRate), 0.25,
            0.04)
            << extension;
    }
}

// Records what a player reports.
struct PlayerLog {
    explicit PlayerLog(MediaPlayer& player) {
        player.SetPlayStateHandler([this](int state) { states.push_back(state); });
        player.SetErrorHandler([this] { ++errors; });
    }
    bool Stopped() const { return !states.empty() && states.back() == kPlayStateStopped; }
    std::vector<int> states;
    int errors = 0;
};

// The sound server restarts while no music plays (an update, a resume from
// sleep): the next alarm's music is heard, whichever other player played
// before. A pipeline kept after its stop would hold the lost server's
// connection, which every later pipeline of the program then shares.
TEST_F(MediaDevice, PlayersPlayAgainAfterTheServerWasAwayWhileTheyWereIdle) {
    const std::string music = Encode("ogg", "vorbisenc ! oggmux", 440, 0.6);
    const std::string other = Encode("ogg", "vorbisenc ! oggmux", 660, 0.6);
    QtMediaPlayer musicPlayer;
    QtMediaPlayer otherPlayer;
    PlayerLog musicLog(musicPlayer);
    PlayerLog otherLog(otherPlayer);
    const auto playToTheEnd = [&](QtMediaPlayer& player, PlayerLog& log, const std::string& file) {
        log.states.clear();
        ASSERT_TRUE(player.SetUrl(file));
        ASSERT_TRUE(player.Play());
        ASSERT_TRUE(RunUntil([&] { return log.Stopped(); }, 8000)) << file;
    };
    playToTheEnd(musicPlayer, musicLog, music);
    playToTheEnd(otherPlayer, otherLog, other);
    EXPECT_NEAR(otherPlayer.Duration(), 0.6, 0.1);

    monitor.Stop();
    server_.Stop();
    RunFor(4000);  // longer than a client library keeps trying
    ASSERT_TRUE(server_.Start());
    SinkMonitor after;
    std::string error;
    ASSERT_TRUE(after.Start(&error)) << error;

    for (auto [player, log, file, frequency] :
         {std::tuple{&musicPlayer, &musicLog, music, 440.0},
          std::tuple{&otherPlayer, &otherLog, other, 660.0}}) {
        const size_t from = after.Samples().size();
        log->errors = 0;
        playToTheEnd(*player, *log, file);
        RunFor(100);
        EXPECT_EQ(log->errors, 0) << file;
        const auto samples = after.Samples();
        const auto onset = FirstAbove(samples, 0.05, from);
        ASSERT_TRUE(onset) << file << " was not heard on the restarted server";
        EXPECT_GT(
            ToneLevel(samples, *onset, *onset + MonitorSamples(0.3), frequency, SinkMonitor::kRate),
            0.15)
            << file;
    }
}

TEST_F(MediaDevice, BeforeSoundPlayerReportsLikeAMediaPlayerOnBothPaths) {
    TempDir files;
    WriteWaveFile(files.File("short.wav"), WaveData{22050, 1, Sine(700, 0.5, 0.5, 22050)});
    const std::string ogg = Encode("ogg", "vorbisenc ! oggmux", 700, 0.5);
    for (const std::string& file : {files.File("short.wav"), ogg}) {
        SoundFilePlayer player;
        PlayerLog log(player);
        ASSERT_TRUE(player.SetUrl(file));
        EXPECT_EQ(player.Url(), file);
        ASSERT_TRUE(player.Play());
        EXPECT_TRUE(log.states.empty()) << "reported from inside Play()";
        EXPECT_TRUE(RunUntil([&] { return log.Stopped(); }, 5000)) << file;
        EXPECT_NEAR(player.Duration(), 0.5, 0.05) << file;
        EXPECT_EQ(log.states,
                  (std::vector<int>{kPlayStatePlaying, kPlayStateMediaEnded, kPlayStateStopped}))
            << file;

        // Stopped midway: "stopped" without "media ended", and silence.
        RunFor(300);
        log.states.clear();
        ASSERT_TRUE(player.Play());
        RunFor(300);
        player.Stop();
        EXPECT_TRUE(RunUntil([&] { return log.Stopped(); }, 2000)) << file;
        EXPECT_EQ(log.states, (std::vector<int>{kPlayStatePlaying, kPlayStateStopped})) << file;
        EXPECT_EQ(log.errors, 0);
    }
    RunFor(200);
    const auto samples = monitor.Samples();
    EXPECT_EQ(CountBursts(samples, 700, SinkMonitor::kRate, 0.05, MonitorSamples(0.02)), 4U);

    WriteBytes(files.File("broken.wav"), "RIFF....WAVEjunk");
    SoundFilePlayer broken;
    PlayerLog log(broken);
    broken.SetUrl(files.File("broken.wav"));
    broken.Play();
    EXPECT_TRUE(RunUntil([&] { return log.errors > 0; }, 5000));
    RunFor(300);
    EXPECT_EQ(log.errors, 1);
}

// The alarm music on the real player: repeated, rotated, stopped.
class MusicDevice : public MediaDevice {
protected:
    void StoreList(const std::vector<std::string>& files) { StoreMusicList(ini, config, files); }

    IniFile ini{dir.File("Settei.ini")};
    Settings config;
    SystemMillisecondClock clock;
    ClockSeededRandom random;
    FakeNotices notices;
    FakeMusicHooks hooks;
    QtMediaPlayer beforePlayer;
    BeforeSoundLists lists;
    BeforeSoundPlayer before{beforePlayer, lists, clock, notices};
    QtMediaPlayer player;
};

TEST_F(MusicDevice, RepeatedMusicRestartsUntilTheMenuStopsIt) {
    StoreList({Encode("wav", "wavenc", 500, 0.4)});
    config.MusicRepeat = true;
    XdgOpener opener;
    AlarmMusic music({.Player = player,
                      .Config = config,
                      .Ini = ini,
                      .Before = before,
                      .Clock = clock,
                      .Random = random,
                      .Hooks = hooks,
                      .Opener = opener,
                      .Notice = notices});
    const size_t from = monitor.Samples().size();
    music.StartAlarmMusic();
    RunFor(2500);
    EXPECT_TRUE(music.MusicPlaying());
    music.MenuMusicStop();
    RunFor(600);
    EXPECT_FALSE(music.MusicPlaying());
    EXPECT_FALSE(hooks.musicStopEnabled);

    const auto all = monitor.Samples();
    const std::span<const std::int16_t> samples(all.begin() + static_cast<long>(from), all.end());
    EXPECT_GE(CountBursts(samples, 500, SinkMonitor::kRate, 0.05, MonitorSamples(0.02)), 3U);
    EXPECT_LT(Rms(samples, samples.size() - MonitorSamples(0.3), samples.size()), 0.005);
}

TEST_F(MusicDevice, RandomRepeatedMusicRotatesToAnotherFile) {
    const std::string a = Encode("ogg", "vorbisenc ! oggmux", 500, 0.4);
    const std::string b = Encode("flac", "flacenc", 1000, 0.4);
    StoreList({a, b});
    config.MusicRepeat = config.MusicRandom = true;
    XdgOpener opener;
    AlarmMusic music({.Player = player,
                      .Config = config,
                      .Ini = ini,
                      .Before = before,
                      .Clock = clock,
                      .Random = random,
                      .Hooks = hooks,
                      .Opener = opener,
                      .Notice = notices});
    music.StartAlarmMusic();
    std::vector<std::string> played = {player.Url()};
    // The tick's rotation check, ten times a second for nine seconds: the
    // file changes once its length plus three seconds have passed.
    for (int tick = 0; tick < 90; ++tick) {
        RunFor(100);
        music.CheckRotation();
        if (player.Url() != played.back()) {
            played.push_back(player.Url());
        }
    }
    music.MenuMusicStop();
    ASSERT_GE(played.size(), 3U);
    for (size_t i = 1; i < played.size(); ++i) {
        EXPECT_NE(played[i], played[i - 1]);
    }
    const auto samples = monitor.Samples();
    EXPECT_GE(CountBursts(samples, 500, SinkMonitor::kRate, 0.05, MonitorSamples(0.02)), 1U);
    EXPECT_GE(CountBursts(samples, 1000, SinkMonitor::kRate, 0.05, MonitorSamples(0.02)), 1U);
    EXPECT_TRUE(notices.notices.empty());
}

// The sound server goes away under the alarm's music and comes back: the
// music is heard again on the restarted server, and the file is not taken
// for a broken one (no desktop opener, no notice, the stop item stays).
TEST_F(MusicDevice, MusicPlaysAgainWhenTheServerComesBack) {
    StoreList({Encode("ogg", "vorbisenc ! oggmux", 500, 8.0)});
    FakeDesktopOpener opener;
    AlarmMusic music({.Player = player,
                      .Config = config,
                      .Ini = ini,
                      .Before = before,
                      .Clock = clock,
                      .Random = random,
                      .Hooks = hooks,
                      .Opener = opener,
                      .Notice = notices});
    const auto heard = [](const SinkMonitor& sink) {
        return CountBursts(sink.Samples(), 500, SinkMonitor::kRate, 0.05, MonitorSamples(0.02)) > 0;
    };
    music.StartAlarmMusic();
    ASSERT_TRUE(RunUntil([&] { return heard(monitor); }, 5000));

    monitor.Stop();
    server_.Stop();
    RunFor(3000);
    ASSERT_TRUE(server_.Start());
    SinkMonitor after;
    std::string error;
    ASSERT_TRUE(after.Start(&error)) << error;
    EXPECT_TRUE(RunUntil([&] { return heard(after); }, 6000))
        << "the music was not heard on the restarted server";
    EXPECT_TRUE(music.MusicPlaying());
    EXPECT_TRUE(hooks.musicStopEnabled);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(notices.notices.empty() && notices.messages.empty());
    music.MenuMusicStop();
}

// A file the player cannot decode is handed to the desktop; the failure is
// reported only when the desktop cannot open it either.
TEST_F(MusicDevice, UnplayableFileGoesToTheDesktopAndOnlyItsFailureIsReported) {
    const std::string broken = dir.File("broken.mp3");
    WriteBytes(broken, "this is not music");
    StoreList({broken});
    const auto opener = [&](const std::string& name, int exitCode) {
        const std::string script = dir.File(name);
        WriteBytes(script, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.got\"\nexit " +
                               std::to_string(exitCode) + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        return script;
    };
    struct Case {
        std::string program;
        const char* notice;  // nullptr: none
    };
    const Case cases[] = {
        {opener("fails", 4), "曲の再生に失敗しました。4"},
        {opener("opens", 0), nullptr},
        {dir.File("no-such-program"), "曲の再生に失敗しました。127"},
    };
    for (const Case& c : cases) {
        notices.notices.clear();
        XdgOpener desktop(QString::fromStdString(c.program));
        AlarmMusic music({.Player = player,
                          .Config = config,
                          .Ini = ini,
                          .Before = before,
                          .Clock = clock,
                          .Random = random,
                          .Hooks = hooks,
                          .Opener = desktop,
                          .Notice = notices});
        music.StartAlarmMusic();
        EXPECT_TRUE(RunUntil([&] { return !music.MusicPlaying(); }, 5000)) << c.program;
        RunFor(500);
        if (c.notice != nullptr) {
            EXPECT_EQ(notices.notices, std::vector<std::string>{c.notice}) << c.program;
        } else {
            EXPECT_TRUE(notices.notices.empty()) << c.program;
            EXPECT_EQ(ReadBytes(c.program + ".got"), broken);
        }
        EXPECT_FALSE(hooks.musicStopEnabled);
    }
}

}  // namespace
}  // namespace velmora::test
