#include "audio/WavDecoder.h"

#include "WavBytes.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using testing::WavBytes;

struct FormatCase {
    std::uint16_t channels;
    std::uint16_t bits;
    std::uint32_t rate;
    SampleFormat expected;

    friend void PrintTo(const FormatCase& row, std::ostream* out) {
        *out << row.channels << " x " << row.bits << " bit at " << row.rate << " Hz";
    }
};

class WavDecoderFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(WavDecoderFormats, DecodesEverySupportedLayoutWithItsSamples) {
    const auto& c = GetParam();
    WavBytes wav;
    wav.channels = c.channels;
    wav.bitsPerSample = c.bits;
    wav.sampleRate = c.rate;
    wav.samples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

    const auto sound = decodeWav(wav.build());

    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format, c.expected);
    EXPECT_EQ(sound->channels, c.channels);
    EXPECT_EQ(sound->sampleRate, c.rate);
    EXPECT_EQ(sound->bytes, wav.samples);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WavDecoderFormats,
    ::testing::Values(FormatCase{1, 8, 8000, SampleFormat::Unsigned8},
                      FormatCase{2, 8, 11025, SampleFormat::Unsigned8},
                      FormatCase{1, 16, 22050, SampleFormat::Signed16LittleEndian},
                      FormatCase{2, 16, 96000, SampleFormat::Signed16LittleEndian}));

TEST(WavDecoder, SkipsOtherChunksAndPlaysATruncatedDataChunkAsFarAsWholeFramesGo) {
    WavBytes wav;
    wav.channels = 2;
    wav.chunksBeforeFormat = {"odd", "even"};
    wav.samples = {1, 2, 3, 4, 5, 6, 7, 8};
    auto bytes = wav.build();
    bytes.resize(bytes.size() - 3); // cuts into the second stereo frame

    const auto sound = decodeWav(bytes);

    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST(WavDecoder, RefusesWhatItCannotPlayAndDamagedOrForeignFiles) {
    const auto damaged = [](void (*change)(WavBytes&), void (*cut)(std::vector<std::uint8_t>&)) {
        WavBytes wav;
        wav.samples = {1, 2, 3, 4};
        change(wav);
        auto bytes = wav.build();
        cut(bytes);
        return bytes;
    };
    const auto asIs = [](std::vector<std::uint8_t>&) {};
    const auto unchanged = [](WavBytes&) {};
    const std::string text = "just some text, not a sound";
    const std::vector<std::vector<std::uint8_t>> refused = {
        damaged([](WavBytes& w) { w.formatTag = 3; }, asIs), // float samples
        damaged([](WavBytes& w) { w.bitsPerSample = 24; }, asIs),
        damaged([](WavBytes& w) { w.channels = 0; }, asIs),
        damaged([](WavBytes& w) { w.channels = 6; }, asIs),
        damaged([](WavBytes& w) { w.sampleRate = 0; }, asIs),
        damaged([](WavBytes& w) { w.samples.clear(); }, asIs),
        damaged(unchanged, [](std::vector<std::uint8_t>& b) { b.resize(10); }),
        damaged(unchanged, [](std::vector<std::uint8_t>& b) { b[8] = 'X'; }), // not WAVE
        // The format chunk cut short, or claiming to run far past the end.
        damaged(unchanged, [](std::vector<std::uint8_t>& b) { b.resize(12 + 8 + 10); }),
        damaged(unchanged,
                [](std::vector<std::uint8_t>& b) {
                    b[16] = 0xFF;
                    b[19] = 0x7F;
                }),
        {},
        {text.begin(), text.end()},
        {'R', 'I', 'F', 'F', 12, 0, 0, 0, 'W', 'A', 'V', 'E',
         'd', 'a', 't', 'a', 4,  0, 0, 0, 1,   2,   3,   4}, // data before its format
    };
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_FALSE(decodeWav(refused[i])) << "case " << i;
    }
}

} // namespace
} // namespace aerolap
