#include "engine/VocoderRecast.h"

#include <cmath>
#include <numbers>

namespace velmora::voice {
namespace {

// The frequency an all-pass warp with constant `alpha` puts `omega` at;
// the warp with -alpha takes it back.
double Warp(double omega, double alpha) {
    return omega + 2 * std::atan(alpha * std::sin(omega) / (1 - alpha * std::cos(omega)));
}

double Sinc(double x) {
    return x == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
}

}  // namespace

VocoderRecast::VocoderRecast(size_t fromLength, size_t toLength)
    : fromLength_(fromLength),
      toLength_(toLength),
      matrix_(fromLength * toLength, 0.0),
      offset_(toLength, 0.0) {}

// The log amplitude a mel-cepstrum c stands for is the sum of c[m]
// cos(m w) over the warped frequency w. It is sampled on the lower rate's
// warped axis (each point taken back to a frequency in Hz, then to the
// voice file's warped axis) and cosine-transformed into the new cepstrum:
// all of it linear in c.
VocoderRecast VocoderRecast::MelCepstrum(double fromRate, double fromAlpha, size_t fromLength,
                                         double toRate, double toAlpha, size_t toLength) {
    constexpr size_t kPoints = 256;
    VocoderRecast recast(fromLength, toLength);
    for (size_t k = 0; k < kPoints; ++k) {
        const double warpedTo = std::numbers::pi * static_cast<double>(k) / (kPoints - 1);
        const double omegaTo = Warp(warpedTo, -toAlpha);
        const double warpedFrom = Warp(omegaTo * toRate / fromRate, fromAlpha);
        const double weight = (k == 0 || k == kPoints - 1 ? 0.5 : 1.0) / (kPoints - 1);
        for (size_t i = 0; i < toLength; ++i) {
            const double basis =
                (i == 0 ? 1.0 : 2.0) * weight * std::cos(static_cast<double>(i) * warpedTo);
            for (size_t m = 0; m < fromLength; ++m) {
                recast.matrix_[i * fromLength + m] +=
                    basis * std::cos(static_cast<double>(m) * warpedFrom);
            }
        }
    }
    // Pulses and noise carry the same power per sample at any rate, so
    // over fewer samples a second they are that much denser in the band
    // that is kept.
    recast.offset_[0] = 0.5 * std::log(toRate / fromRate);
    return recast;
}

// A filter's band-limited response at the lower rate: each new tap is the
// old taps interpolated with sinc at its time.
VocoderRecast VocoderRecast::LowPass(double fromRate, size_t fromLength, double toRate,
                                     size_t toLength) {
    VocoderRecast recast(fromLength, toLength);
    const double fromCentre = static_cast<double>(fromLength - 1) / 2;
    const double toCentre = static_cast<double>(toLength - 1) / 2;
    for (size_t j = 0; j < toLength; ++j) {
        const double at = static_cast<double>(j) - toCentre;
        // A Hann taper keeps the cut-off tails from ringing.
        const double taper = 0.5 + 0.5 * std::cos(std::numbers::pi * at / (toCentre + 1));
        for (size_t n = 0; n < fromLength; ++n) {
            const double from = (static_cast<double>(n) - fromCentre) * toRate / fromRate;
            recast.matrix_[j * fromLength + n] = taper * Sinc(at - from);
        }
    }
    return recast;
}

void VocoderRecast::Apply(const double* from, double* to) const {
    for (size_t i = 0; i < toLength_; ++i) {
        double sum = offset_[i];
        const double* row = &matrix_[i * fromLength_];
        for (size_t m = 0; m < fromLength_; ++m) {
            sum += row[m] * from[m];
        }
        to[i] = sum;
    }
}

}  // namespace velmora::voice
