#include "engine/HtsVoice.h"

#include <algorithm>
#include <cmath>

#include "engine/HtsStandardStreams.h"
#include "engine/PitchShaping.h"

namespace velmora::voice {
namespace {

// The vocoder runs at twice the 8000 Hz the voices are heard at rather than
// at the voice files' 48000 Hz, which halves the time an utterance takes.
// The all-pass constant suits that rate; with 25 mel-cepstral values and 15
// low-pass taps the speech's long-term spectrum at 8000 Hz stays within a
// decibel of what the files' own rate gives.
constexpr size_t kVocoderRate = 16000;
constexpr double kVocoderAlpha = 0.42;
constexpr size_t kVocoderCepstrum = 25;
constexpr size_t kVocoderLowPass = 15;

// Cuts a silence at an end of the utterance (the label's states from
// `firstState`) down to a frame a state, for the speech to rise out of and
// fall back into. The vocoder would spend a fifth of its time on the rest
// for a noise far below hearing; the caller adds what silence it wants.
void TrimSilence(std::string_view label, std::vector<HtsState>& states, size_t firstState,
                 size_t statesPerLabel) {
    if (label.find("-sil+") == std::string_view::npos ||
        firstState + statesPerLabel > states.size()) {
        return;
    }
    for (size_t s = firstState; s < firstState + statesPerLabel; ++s) {
        states[s].frames = std::min<size_t>(states[s].frames, 1);
    }
}

// Every state drawn out or cut short by the same factor (each keeping at
// least a frame, the rounding carried on so the whole comes out right).
// The engine's own speed gives most of a change to the states that vary
// most, the silences above all, and leaves the words little faster.
void ScaleStates(std::vector<HtsState>& states, double factor) {
    double exact = 0;
    size_t done = 0;
    for (HtsState& state : states) {
        exact += static_cast<double>(state.frames) * factor;
        const size_t upTo = std::max<size_t>(done + 1, static_cast<size_t>(std::llround(exact)));
        state.frames = upTo - done;
        done = upTo;
    }
}

}  // namespace

HtsVoice::HtsVoice(std::string file, HtsVoiceSettings settings)
    : file_(std::move(file)), settings_(settings) {
    BindHtsStandardStreams();
    HTS_Engine_initialize(&engine_);
}

HtsVoice::~HtsVoice() {
    std::lock_guard lock(mutex_);
    HTS_Engine_clear(&engine_);
}

bool HtsVoice::LoadLocked() {
    if (loaded_) {
        return true;
    }
    // A file that is missing now may be there at the next utterance, so a
    // failure is not remembered.
    std::string path = file_;
    char* voices[] = {path.data()};
    const bool loaded = HTS_Engine_load(&engine_, voices, 1) == TRUE;
    const auto spectrum = loaded ? StreamLocked("MCP") : std::nullopt;
    const auto logF0 = loaded ? StreamLocked("LF0") : std::nullopt;
    if (!spectrum || !logF0) {
        HTS_Engine_clear(&engine_);
        HTS_Engine_initialize(&engine_);
        return false;
    }
    spectrum_ = *spectrum;
    logF0_ = *logF0;
    lowPass_ = StreamLocked("LPF");
    HTS_Engine_set_alpha(&engine_, settings_.alpha);
    HTS_Engine_add_half_tone(&engine_, settings_.halfTones);
    loaded_ = true;
    return true;
}

// The index of the stream the voice file names `type` ("MCP,LF0,LPF").
std::optional<size_t> HtsVoice::StreamLocked(std::string_view type) const {
    const char* types = engine_.ms.stream_type;
    if (types == nullptr) {
        return std::nullopt;
    }
    size_t index = 0;
    std::string_view rest(types);
    while (true) {
        const size_t comma = rest.find(',');
        if (rest.substr(0, comma) == type) {
            return index < engine_.ms.num_streams ? std::optional(index) : std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(comma + 1);
        ++index;
    }
}

// Set up at the first utterance, when the generated streams tell their
// lengths. A voice file whose rate and frame period do not divide down
// evenly is vocoded at its own rate.
void HtsVoice::PrepareRecastLocked() {
    recastPrepared_ = true;
    const size_t fileRate = HTS_Engine_get_sampling_frequency(&engine_);
    const size_t framePeriod = HTS_Engine_get_fperiod(&engine_);
    const size_t spectrumLength = engine_.pss.pstream[spectrum_].vector_length;
    if (fileRate <= kVocoderRate || fileRate % kVocoderRate != 0 ||
        framePeriod % (fileRate / kVocoderRate) != 0 || spectrumLength < kVocoderCepstrum) {
        return;
    }
    const auto from = static_cast<double>(fileRate);
    const auto to = static_cast<double>(kVocoderRate);
    spectrumRecast_ = VocoderRecast::MelCepstrum(from, settings_.alpha, spectrumLength, to,
                                                 kVocoderAlpha, kVocoderCepstrum);
    if (lowPass_) {
        const size_t taps = engine_.pss.pstream[*lowPass_].vector_length;
        lowPassRecast_ = VocoderRecast::LowPass(from, taps, to, std::min(taps, kVocoderLowPass));
    }
    HTS_Engine_set_sampling_frequency(&engine_, kVocoderRate);
    HTS_Engine_set_fperiod(&engine_, framePeriod / (fileRate / kVocoderRate));
    HTS_Engine_set_alpha(&engine_, kVocoderAlpha);
}

void HtsVoice::RecastLocked(size_t stream, const VocoderRecast& recast) {
    HTS_PStream& track = engine_.pss.pstream[stream];
    std::vector<double> frame(recast.FromLength());
    for (size_t t = 0; t < track.length; ++t) {
        std::copy(track.par[t], track.par[t] + frame.size(), frame.begin());
        recast.Apply(frame.data(), track.par[t]);
    }
    track.vector_length = recast.ToLength();
}

// The engine keeps values for the voiced frames alone, in order; the flags
// tell which frames those are.
std::vector<double> HtsVoice::ReadLogF0Locked() const {
    const HTS_PStream& track = engine_.pss.pstream[logF0_];
    std::vector<double> logF0(engine_.pss.total_frame, kUnvoiced);
    size_t voiced = 0;
    for (size_t frame = 0; frame < logF0.size(); ++frame) {
        if ((track.msd_flag == nullptr || track.msd_flag[frame]) && voiced < track.length) {
            logF0[frame] = track.par[voiced++][0];
        }
    }
    return logF0;
}

void HtsVoice::WriteLogF0Locked(const std::vector<double>& logF0) {
    HTS_PStream& track = engine_.pss.pstream[logF0_];
    size_t voiced = 0;
    for (size_t frame = 0; frame < logF0.size(); ++frame) {
        if ((track.msd_flag == nullptr || track.msd_flag[frame]) && voiced < track.length) {
            track.par[voiced++][0] = logF0[frame];
        }
    }
}

void HtsVoice::ShapeSpectrumLocked(HtsShaping& shaping, const std::vector<HtsState>& states,
                                   size_t statesPerLabel) {
    HTS_PStream& track = engine_.pss.pstream[spectrum_];
    std::vector<std::vector<double>> spectrum(track.length);
    for (size_t t = 0; t < track.length; ++t) {
        spectrum[t].assign(track.par[t], track.par[t] + track.vector_length);
    }
    shaping.ShapeSpectrum(spectrum, states, statesPerLabel);
    for (size_t t = 0; t < track.length; ++t) {
        std::copy(spectrum[t].begin(), spectrum[t].end(), track.par[t]);
    }
}

std::optional<std::vector<double>> HtsVoice::Speak(const std::vector<std::string>& labels,
                                                   double speed, HtsShaping& shaping,
                                                   int& sampleRate) {
    if (labels.empty() || speed <= 0) {
        return std::nullopt;
    }
    std::vector<std::string> lines(labels);
    std::vector<char*> pointers;
    for (std::string& line : lines) {
        pointers.push_back(line.data());
    }
    std::lock_guard lock(mutex_);
    if (!LoadLocked()) {
        return std::nullopt;
    }
    struct Refresh {
        HTS_Engine& engine;
        ~Refresh() { HTS_Engine_refresh(&engine); }
    } refresh{engine_};
    if (HTS_Engine_generate_state_sequence_from_strings(&engine_, pointers.data(),
                                                        pointers.size()) != TRUE) {
        return std::nullopt;
    }
    const size_t statesPerLabel = HTS_Engine_get_nstate(&engine_);
    HTS_SStreamSet& sequence = engine_.sss;
    std::vector<HtsState> states(sequence.total_state);
    for (size_t s = 0; s < states.size(); ++s) {
        const double* voicing = sequence.sstream[logF0_].msd;
        states[s] = {.frames = sequence.duration[s], .voicing = voicing ? voicing[s] : 1.0};
    }
    ScaleStates(states, 1 / speed);
    shaping.ShapeStates(states, statesPerLabel);
    TrimSilence(labels.front(), states, 0, statesPerLabel);
    TrimSilence(labels.back(), states, states.size() - statesPerLabel, statesPerLabel);
    sequence.total_frame = 0;
    for (size_t s = 0; s < states.size(); ++s) {
        sequence.duration[s] = states[s].frames;
        if (sequence.sstream[logF0_].msd != nullptr) {
            sequence.sstream[logF0_].msd[s] = states[s].voicing;
        }
        sequence.total_frame += states[s].frames;
    }
    if (HTS_Engine_generate_parameter_sequence(&engine_) != TRUE) {
        return std::nullopt;
    }
    std::vector<double> logF0 = ReadLogF0Locked();
    shaping.ShapePitch(logF0, states, statesPerLabel);
    WriteLogF0Locked(logF0);
    ShapeSpectrumLocked(shaping, states, statesPerLabel);
    if (!recastPrepared_) {
        PrepareRecastLocked();
    }
    if (spectrumRecast_) {
        RecastLocked(spectrum_, *spectrumRecast_);
    }
    if (lowPassRecast_) {
        RecastLocked(*lowPass_, *lowPassRecast_);
    }
    if (HTS_Engine_generate_sample_sequence(&engine_) != TRUE) {
        return std::nullopt;
    }
    sampleRate = static_cast<int>(HTS_Engine_get_sampling_frequency(&engine_));
    const HTS_GStreamSet& generated = engine_.gss;
    return std::vector<double>(generated.gspeech, generated.gspeech + generated.total_nsample);
}

}  // namespace velmora::voice
