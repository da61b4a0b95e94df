// Spectrum scan by the Goertzel recurrence: a coarse pass in 1 Hz steps, then a fine pass around the peak.
#include "tests/support/audio_measures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

std::vector<double> hannWindowed(const std::vector<float>& samples)
{
    std::vector<double> windowed(samples.size());
    const double n = static_cast<double>(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / n);
        windowed[i] = w * samples[i];
    }
    return windowed;
}

// Power of the component at `hz`.
double powerAt(const std::vector<double>& samples, double sampleRate, double hz)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / sampleRate);
    double previous = 0;
    double beforePrevious = 0;
    for (double sample : samples) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
}

double strongestIn(const std::vector<double>& samples, double sampleRate, double low, double high, double step)
{
    double best = low;
    double bestPower = -1;
    for (double hz = low; hz <= high; hz += step) {
        const double power = powerAt(samples, sampleRate, hz);
        if (power > bestPower) {
            bestPower = power;
            best = hz;
        }
    }
    return best;
}

} // namespace

float peakLevel(const std::vector<float>& samples)
{
    float peak = 0;
    for (float sample : samples) peak = std::max(peak, std::fabs(sample));
    return peak;
}

double strongestFrequency(const std::vector<float>& samples, double sampleRate, double lowHz, double highHz)
{
    const std::vector<double> windowed = hannWindowed(samples);
    const double coarse = strongestIn(windowed, sampleRate, lowHz, highHz, 1.0);
    return strongestIn(windowed, sampleRate, std::max(lowHz, coarse - 1), std::min(highHz, coarse + 1), 0.1);
}
