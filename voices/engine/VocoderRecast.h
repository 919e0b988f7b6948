#pragma once

#include <cstddef>
#include <vector>

namespace velmora::voice {

// A fixed linear map from one frame's vocoder parameters at the voice
// file's sampling rate to the same sound at a lower rate. The voices are
// heard at 8000 Hz; the vocoder's cost grows with its rate, and at the
// files' 48000 Hz it would spend most of its time on sound the telephone
// band throws away.
class VocoderRecast {
public:
    // Mel-cepstra (all-pass constant `fromAlpha`, `fromLength` values) to
    // `toLength` values at `toAlpha`, matching the log spectrum up to the
    // lower rate's Nyquist frequency, its level included.
    static VocoderRecast MelCepstrum(double fromRate, double fromAlpha, size_t fromLength,
                                     double toRate, double toAlpha, size_t toLength);
    // The taps of the excitation's low-pass filter (centred, zero phase),
    // band-limited to the lower rate and cut to `toLength` taps.
    static VocoderRecast LowPass(double fromRate, size_t fromLength, double toRate,
                                 size_t toLength);

    size_t FromLength() const { return fromLength_; }
    size_t ToLength() const { return toLength_; }
    // `to` may not overlap `from`.
    void Apply(const double* from, double* to) const;

private:
    VocoderRecast(size_t fromLength, size_t toLength);

    size_t fromLength_;
    size_t toLength_;
    std::vector<double> matrix_;  // toLength_ rows of fromLength_
    std::vector<double> offset_;  // added to each result
};

}  // namespace velmora::voice
