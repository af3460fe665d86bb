#include "StartupSound.h"

#include "WaveFile.h"

#include <algorithm>
#include <cmath>

namespace samplegen {

std::vector<std::uint8_t> startupSound() {
    const int rate = 22050;
    const double seconds = 1.7;
    const double pi = 3.14159265358979323846;
    // F major with an added ninth, rolled upwards one note every 90 ms.
    const double notes[] = {174.61, 349.23, 440.00, 523.25, 659.26, 783.99};
    const double gains[] = {0.35, 0.55, 0.45, 0.45, 0.40, 0.32};
    std::vector<double> samples(static_cast<std::size_t>(rate * seconds), 0.0);
    for (std::size_t n = 0; n < std::size(notes); ++n) {
        double start = 0.09 * static_cast<double>(n);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            double t = static_cast<double>(i) / rate - start;
            if (t < 0)
                continue;
            double attack = std::min(1.0, t / 0.012);
            double decay = std::exp(-t * 2.4);
            double f = notes[n];
            // Bell-like partials that fade faster than the fundamental.
            double tone = std::sin(2 * pi * f * t) + 0.28 * std::exp(-t * 3) * std::sin(2 * pi * 2 * f * t) +
                          0.10 * std::exp(-t * 5) * std::sin(2 * pi * 3.01 * f * t);
            samples[i] += gains[n] * attack * decay * tone;
        }
    }
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double fadeOut = 0.25;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double fade = std::clamp((seconds - t) / fadeOut, 0.0, 1.0);
        samples[i] = samples[i] / peak * 0.72 * fade;
    }
    return wave(samples, rate);
}

} // namespace samplegen
