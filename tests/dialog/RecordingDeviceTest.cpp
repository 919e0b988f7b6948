#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <cstdlib>
#include <filesystem>

#include "DialogActionsFixture.h"
#include "app/QtEventPump.h"
#include "sound/pulse/PulseSoundRecorder.h"
#include "sound/qt/QtMediaPlayer.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "support/PrivateSoundServer.h"
#include "support/RealSound.h"
#include "support/SignalAnalysis.h"

namespace velmora::test {
namespace {

constexpr double kToneHz = 1000;

// Recording from a PulseAudio server of the test's own whose only input is
// its null sink's monitor: whatever the test plays into the sink is what
// the recorder hears. The monitor is offered as an ordinary source of its
// own (a remap of it), made the default as a microphone would be. The remap takes a second or two
// to start delivering, which a microphone does at once; a reader of its own keeps it running
// through each test.
class RecordingDevice : public DialogActionsFixture {
protected:
    RecordingDevice() : server_(PrivateSoundServer::Instance()) {}

    void SetUp() override {
        ASSERT_TRUE(server_.Problem().empty()) << server_.Problem();
        PrepareInput();
        tone_ = program.File("tone.wav");
        WriteWaveFile(tone_, WaveData{16000, 1, Sine(kToneHz, 4.0, 0.8, 16000)});
    }

    void PrepareInput() {
        if (std::system("pactl list short sources | grep -q velmora_input") != 0) {
            ASSERT_EQ(std::system("pactl load-module module-remap-source source_name=velmora_input "
                                  "master=velmora_null.monitor >/dev/null"),
                      0);
        }
        ASSERT_EQ(std::system("pactl set-default-source velmora_input"), 0);
        warm_.setStandardOutputFile(QProcess::nullDevice());
        warm_.start(QStringLiteral("parec"),
                    {QStringLiteral("--latency-msec=50"), QStringLiteral("-d"),
                     QStringLiteral("velmora_input")});
        ASSERT_TRUE(warm_.waitForStarted(5000));
        RunFor(2500);
    }

    // Records the tone for two seconds; how loud it came out.
    double RecordTone(PulseSoundRecorder& input) {
        std::string error;
        EXPECT_TRUE(input.StartRecording(error)) << error;
        RunFor(300);
        PlayTone(2000);
        RunFor(300);
        const std::string path = dir.File("録音.wav");
        EXPECT_TRUE(input.StopAndSave(path));
        const auto wave = SndfileWaveReader().ReadWaveFile(path);
        return wave ? ToneIn(*wave) : 0.0;
    }

    void TearDown() override {
        warm_.kill();
        warm_.waitForFinished(5000);
    }

    void RunFor(int ms) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            events_.ProcessEvents();
        }
    }

    // Plays the tone into the sink for a while during the recording.
    void PlayTone(int ms) {
        ASSERT_TRUE(tonePlayer_.SetUrl(tone_));
        ASSERT_TRUE(tonePlayer_.Play());
        RunFor(ms);
        tonePlayer_.Stop();
    }

    // How loud the tone is in the middle of a recording.
    static double ToneIn(const WaveData& wave) {
        std::vector<std::int16_t> mono;
        for (std::size_t i = 0; i < wave.Samples.size(); i += static_cast<size_t>(wave.Channels)) {
            mono.push_back(wave.Samples[i]);
        }
        const std::size_t quarter = mono.size() / 4;
        return ToneLevel(mono, quarter, 3 * quarter, kToneHz, wave.SampleRate);
    }

    PrivateSoundServer& server_;
    QtEventPump events_;
    QtMediaPlayer tonePlayer_;
    std::string tone_;
    QProcess warm_;
};

TEST_F(RecordingDevice, TheSavedFileHoldsWhatWasPlayedIntoTheInput) {
    PulseSoundRecorder input;
    std::string error;
    ASSERT_TRUE(input.StartRecording(error)) << error;
    EXPECT_TRUE(input.Recording());
    RunFor(300);
    PlayTone(2000);
    RunFor(300);
    const std::string path = dir.File("録音.wav");
    ASSERT_TRUE(input.StopAndSave(path));
    EXPECT_FALSE(input.Recording());

    const auto wave = SndfileWaveReader().ReadWaveFile(path);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->Channels, 1);
    EXPECT_GE(wave->Milliseconds(), 2000);
    EXPECT_GT(ToneIn(*wave), 0.05);
    // Nothing more is saved once stopped.
    EXPECT_FALSE(input.StopAndSave(path));
}

// The sound server restarts between two recordings (an update, a headset
// that came or went): the second records on the new server.
TEST_F(RecordingDevice, RecordsAgainAfterTheServerRestarted) {
    PulseSoundRecorder input;
    EXPECT_GT(RecordTone(input), 0.05);
    warm_.kill();
    warm_.waitForFinished(5000);
    server_.Stop();
    RunFor(1000);
    ASSERT_TRUE(server_.Start());
    PrepareInput();
    EXPECT_GT(RecordTone(input), 0.05) << "nothing was recorded on the restarted server";
}

TEST_F(RecordingDevice, SilenceIsRecordedAsSilence) {
    PulseSoundRecorder input;
    std::string error;
    ASSERT_TRUE(input.StartRecording(error)) << error;
    RunFor(1500);
    const std::string path = dir.File("quiet.wav");
    ASSERT_TRUE(input.StopAndSave(path));
    const auto wave = SndfileWaveReader().ReadWaveFile(path);
    ASSERT_TRUE(wave.has_value());
    EXPECT_LT(ToneIn(*wave), 0.01);
    EXPECT_LT(Rms(wave->Samples, 0, wave->Samples.size()), 0.01);
}

// The whole page: "録音" with the real recorder, the tick's stop, and the
// file the alarm will play.
TEST_F(RecordingDevice, TheRecordButtonSavesMyAlarmWav) {
    PulseSoundRecorder real;
    realRecorder = &real;
    WriteBytes(dir.File("MyAlarm.wav"), "old");
    Actions();
    ClickItem("RadioGroupHowToPlay", 1);
    Click("BtnRecord");
    ASSERT_TRUE(messages.shown.empty()) << LastNotice().toStdString();
    EXPECT_TRUE(real.Recording());
    RunFor(200);
    PlayTone(1500);
    form->StopRecording();  // as the tick does at a minute

    EXPECT_FALSE(real.Recording());
    EXPECT_TRUE(messages.shown.empty()) << LastNotice().toStdString();
    const auto wave = SndfileWaveReader().ReadWaveFile(dir.File("MyAlarm.wav"));
    ASSERT_TRUE(wave.has_value());
    EXPECT_GT(ToneIn(*wave), 0.05);
    EXPECT_TRUE(Enabled("BtnWavePlay"));
}

}  // namespace
}  // namespace velmora::test
