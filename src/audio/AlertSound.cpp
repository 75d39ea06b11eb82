#include "AlertSound.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>

namespace aerolap {

namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kSampleRate = 22050;
constexpr auto kToneLength = 90ms;
constexpr double kFirstTone = 1320.0;
constexpr double kSecondTone = 990.0;
constexpr double kAmplitude = 0.4 * 32767.0;
constexpr double kFadeSamples = 110.0;

PcmSound makeAlert() {
    PcmSound sound{.format = SampleFormat::Signed16LittleEndian,
                   .sampleRate = kSampleRate,
                   .channels = 1,
                   .bytes = {}};
    const auto toneSamples =
        static_cast<int>(kSampleRate * std::chrono::duration<double>(kToneLength).count());
    for (const double frequency : {kFirstTone, kSecondTone}) {
        for (int i = 0; i < toneSamples; ++i) {
            // Short fades at both ends keep the tones from clicking.
            const double fade = std::min({1.0, i / kFadeSamples, (toneSamples - i) / kFadeSamples});
            const double phase = 2.0 * std::numbers::pi * frequency * i / kSampleRate;
            const auto sample = static_cast<std::int16_t>(kAmplitude * fade * std::sin(phase));
            const auto bits = static_cast<std::uint16_t>(sample);
            sound.bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            sound.bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
        }
    }
    return sound;
}

} // namespace

std::shared_ptr<const PcmSound> alertSound() {
    static const auto alert = std::make_shared<const PcmSound>(makeAlert());
    return alert;
}

} // namespace aerolap
