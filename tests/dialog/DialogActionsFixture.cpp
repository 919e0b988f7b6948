#include "DialogActionsFixture.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <filesystem>

namespace velmora::test {

DialogActionsFixture::DialogActionsFixture() {
    std::filesystem::create_directories(program.File("Data"));
    lists = BuildBeforeSoundLists(program.Path(), ini, kBuiltInAlarmSounds, kBuiltInJihoSounds);
    for (const std::vector<std::string>* list : {&lists.Alarm, &lists.Jiho}) {
        for (const std::string& path : *list) {
            if (!path.empty()) {
                WriteBytes(path, "");
            }
        }
    }
    before = std::make_unique<BeforeSoundPlayer>(beforePlayer, lists, ticks, speechNotices);
    speech = std::make_unique<SpeechPlayer>(SpeechPlayer::Services{.Device = device,
                                                                   .Synthesizer = synth,
                                                                   .Before = *before,
                                                                   .Pump = pump,
                                                                   .Reader = reader,
                                                                   .Notice = speechNotices,
                                                                   .Context = context,
                                                                   .DataFolder = dir.Path()});
    auto master = std::make_unique<FakeMasterVolume>();
    masterVolume = master.get();
    volume = std::make_unique<MasterVolumeControl>(std::move(master), true, activity);
    // Every round of waiting ends what plays: the before sound and the
    // utterance on channel 0.
    pump.onEvents = [this] {
        if (before->BeforeSoundPlaying()) {
            beforePlayer.FinishFile();
        }
        device.Finish(kSpeechChannel);
    };
}

DialogActionsFixture::~DialogActionsFixture() {
    actions.reset();
}

DialogActions& DialogActionsFixture::Actions(PowerControlStyle style) {
    if (!actions) {
        Shown(style);
        const DialogActionServices services{
            .Host = host,
            .Ini = ini,
            .Lists = lists,
            .Before = *before,
            .Player = player,
            .Speech = *speech,
            .Synthesizer = synth,
            .Converter = converter,
            .Volume = *volume,
            .Ramp = ramp,
            .Random = random,
            .Ticks = ticks,
            .Recorder = realRecorder != nullptr ? *realRecorder : recorder,
            .Files = files,
            .Opener = opener,
            .Power = power,
            .ProgramFolder = program.Path(),
            .DataFolder = dir.Path(),
            .ApplyFontName = [this](const QString& face) { appliedFonts.push_back(face); },
            .CentreClock =
                [this] {
                    ++centred;
                    visibleWhenCentred = form->isVisible();
                }};
        actions = std::make_unique<DialogActions>(*form, services);
    }
    return *actions;
}

std::vector<std::string> DialogActionsFixture::MakeFiles(const std::string& stem, int count) const {
    std::vector<std::string> paths;
    for (int n = 1; n <= count; ++n) {
        paths.push_back(dir.File(stem + std::to_string(n) + ".wav"));
        WriteBytes(paths.back(), "");
    }
    return paths;
}

std::vector<QString> DialogActionsFixture::ListTexts(const char* comboBox) const {
    std::vector<QString> texts;
    const auto* list = Find<QComboBox>(comboBox);
    for (int i = 0; i < list->count(); ++i) {
        texts.push_back(list->itemText(i));
    }
    return texts;
}

std::string DialogActionsFixture::LastSpokenText() const {
    return synth.calls.empty() ? std::string() : synth.calls.back().text;
}

QString DialogActionsFixture::WordMemoColourName() const {
    return Find<QPlainTextEdit>("MemoAlarmWord")->palette().color(QPalette::Base).name();
}

}  // namespace velmora::test
