// Small signal measurements for tests that listen to rendered audio.
#pragma once

#include <vector>

// Largest absolute sample; 0 for no samples.
float peakLevel(const std::vector<float>& samples);

// The frequency in [lowHz, highHz] where the Hann-windowed spectrum of `samples` is strongest,
// to about a tenth of a hertz.
double strongestFrequency(const std::vector<float>& samples, double sampleRate, double lowHz, double highHz);
