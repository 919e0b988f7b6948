#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "speech/VoiceLibraries.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

const std::string kTimePhrase =
    "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。";

class RecordingNotice final : public FatalNotice {
public:
    void ShowAndExit(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

std::string FakeFolder(const char* kind) {
    return std::string(VELMORA_FAKE_VOICES_DIR) + kind + "/";
}

// Looks into the recording fake that the adapter has loaded, without
// loading it itself.
class FakeVoiceProbe {
public:
    FakeVoiceProbe()
        : handle_(::dlopen((FakeFolder("recording") + "f1/libAquesTalk.so").c_str(),
                           RTLD_NOW | RTLD_NOLOAD)) {}
    ~FakeVoiceProbe() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
    }
    FakeVoiceProbe(const FakeVoiceProbe&) = delete;
    FakeVoiceProbe& operator=(const FakeVoiceProbe&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    std::string LastText() const { return Call<const char*>("FakeVoice_LastText"); }
    int LastSpeed() const { return Call<int>("FakeVoice_LastSpeed"); }
    int Calls() const { return Call<int>("FakeVoice_Calls"); }
    int LiveImages() const { return Call<int>("FakeVoice_LiveImages"); }
    int BadReleases() const { return Call<int>("FakeVoice_BadReleases"); }

private:
    template <typename Result>
    Result Call(const char* name) const {
        return reinterpret_cast<Result (*)()>(::dlsym(handle_, name))();
    }
    void* handle_;
};

TEST(VoiceLibraries, SpeaksThroughTheRealVoices) {
    RecordingNotice notice;
    VoiceLibraries voices(test::ProgramDir() + "/", notice);
    const auto samples = voices.SynthesizeSpeech(0, kTimePhrase, 100);
    ASSERT_TRUE(samples.has_value());
    EXPECT_EQ(samples->size(), static_cast<size_t>(voices.WaveSize() - 44) / 2);
    EXPECT_GT(samples->size(), 8000u);
    const auto image = voices.SynthesizeWaveImage(5, kTimePhrase, 120);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), static_cast<size_t>(voices.WaveSize()));
    EXPECT_EQ(std::string(image->begin(), image->begin() + 4), "RIFF");
    EXPECT_TRUE(notice.messages.empty());
}

TEST(VoiceLibraries, HandsTheLibraryAFullStopAndShiftJisAndReleasesTheImage) {
    RecordingNotice notice;
    VoiceLibraries voices(FakeFolder("recording"), notice);
    const auto samples = voices.SynthesizeSpeech(0, "あ'さ", 120);
    ASSERT_TRUE(samples.has_value());
    // Samples from offset 44 of the image, little-endian.
    EXPECT_EQ(*samples, (std::vector<std::int16_t>{1, -2, 0x1234}));
    EXPECT_EQ(voices.WaveSize(), 50);
    FakeVoiceProbe fake;
    ASSERT_TRUE(fake.Loaded());
    EXPECT_EQ(fake.LastText(), "\x81\x42\x82\xA0'\x82\xB3");  // "。あ'さ"
    EXPECT_EQ(fake.LastSpeed(), 120);
    EXPECT_EQ(fake.LiveImages(), 0);
    EXPECT_EQ(fake.BadReleases(), 0);
    // The speed goes through unchanged, whatever it is.
    EXPECT_TRUE(voices.SynthesizeSpeech(0, "あ", 1000).has_value());
    EXPECT_EQ(fake.LastSpeed(), 1000);
    EXPECT_TRUE(notice.messages.empty());
}

TEST(VoiceLibraries, RefusalsAndBrokenImagesAreFailuresWithoutAMessage) {
    RecordingNotice notice;
    VoiceLibraries voices(FakeFolder("recording"), notice);
    EXPECT_FALSE(voices.SynthesizeSpeech(0, "NG", 100).has_value());
    // An image shorter than its header is released and not played.
    EXPECT_FALSE(voices.SynthesizeSpeech(0, "SHORT", 100).has_value());
    EXPECT_FALSE(voices.SynthesizeWaveImage(0, "SHORT", 100).has_value());
    FakeVoiceProbe fake;
    EXPECT_EQ(fake.Calls(), 3);
    EXPECT_EQ(fake.LiveImages(), 0);
    EXPECT_TRUE(notice.messages.empty());
}

TEST(VoiceLibraries, TextShiftJisCannotHoldNeverReachesTheLibrary) {
    RecordingNotice notice;
    VoiceLibraries voices(FakeFolder("recording"), notice);
    ASSERT_TRUE(voices.SynthesizeSpeech(0, "あ", 100).has_value());
    FakeVoiceProbe fake;
    for (const std::string_view text :
         {std::string_view("ゔ"), std::string_view("한"), std::string_view("あ\0い", 7)}) {
        EXPECT_FALSE(voices.SynthesizeSpeech(0, text, 100).has_value());
    }
    EXPECT_EQ(fake.Calls(), 1);
    EXPECT_TRUE(notice.messages.empty());
}

TEST(VoiceLibraries, EmptyTextLoadsNothing) {
    test::TempDir empty;
    RecordingNotice notice;
    VoiceLibraries voices(empty.Path(), notice);
    EXPECT_FALSE(voices.SynthesizeSpeech(0, "", 100).has_value());
    EXPECT_FALSE(voices.SynthesizeSpeech(kVoiceCount, "あ", 100).has_value());
    EXPECT_FALSE(voices.SynthesizeSpeech(-1, "あ", 100).has_value());
    EXPECT_TRUE(notice.messages.empty());
}

TEST(VoiceLibraries, MissingVoiceEndsTheProgramEvenIfOthersWork) {
    test::TempDir program;
    std::filesystem::create_directory_symlink(test::ProgramDir() + "/f1", program.File("f1"));
    RecordingNotice notice;
    VoiceLibraries voices(program.Path(), notice);
    EXPECT_TRUE(voices.SynthesizeSpeech(0, "あ", 100).has_value());
    EXPECT_TRUE(notice.messages.empty());
    EXPECT_FALSE(voices.SynthesizeSpeech(2, "あ", 100).has_value());
    EXPECT_EQ(notice.messages,
              std::vector<std::string>{"声のデータが存在しません。\n終了します。"});
    EXPECT_FALSE(voices.LoadVoice(5));
    EXPECT_EQ(notice.messages.size(), 2u);
}

TEST(VoiceLibraries, LibraryWithoutAnEntryEndsTheProgram) {
    RecordingNotice notice;
    VoiceLibraries voices(FakeFolder("no-freewave"), notice);
    EXPECT_FALSE(voices.SynthesizeSpeech(0, "あ", 100).has_value());
    EXPECT_EQ(notice.messages, std::vector<std::string>{kVoiceDataMissingMessage});
}

TEST(VoiceLibraries, LibrariesStayLoadedUntilTheAdapterGoes) {
    {
        RecordingNotice notice;
        VoiceLibraries voices(FakeFolder("recording"), notice);
        EXPECT_FALSE(FakeVoiceProbe().Loaded());  // not before the first utterance
        ASSERT_TRUE(voices.LoadVoice(0));
        ASSERT_TRUE(voices.SynthesizeSpeech(0, "あ", 100).has_value());
        ASSERT_TRUE(voices.SynthesizeSpeech(0, "い", 100).has_value());
        FakeVoiceProbe fake;
        ASSERT_TRUE(fake.Loaded());
        EXPECT_EQ(fake.Calls(), 2);
        // An utterance prepared ahead is synthesized once, however often it
        // is asked for; one still being prepared ends before the libraries go.
        voices.Prepare(0, "う", 90);
        const auto prepared = voices.SynthesizeSpeech(0, "う", 90);
        ASSERT_TRUE(prepared.has_value());
        EXPECT_EQ(voices.SynthesizeSpeech(0, "う", 90), prepared);
        EXPECT_EQ(fake.Calls(), 3);
        EXPECT_EQ(fake.LastSpeed(), 90);
        voices.Prepare(0, "え", 100);
    }
    EXPECT_FALSE(FakeVoiceProbe().Loaded());
}

}  // namespace
}  // namespace velmora
