#include "platform/WavDecoder.h"

#include "WavBytes.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using testing::WavBytes;

struct FormatCase {
    std::uint16_t channels;
    std::uint16_t bits;
    std::uint32_t rate;
    SampleFormat expected;
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
                      FormatCase{2, 16, 44100, SampleFormat::Signed16LittleEndian},
                      FormatCase{2, 16, 96000, SampleFormat::Signed16LittleEndian}));

TEST(WavDecoder, SkipsOtherChunksIncludingOddSizedOnes) {
    WavBytes wav;
    wav.chunksBeforeFormat = {"odd", "even"};
    wav.samples = {10, 20, 30, 40};

    const auto sound = decodeWav(wav.build());

    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->bytes, wav.samples);
}

TEST(WavDecoder, PlaysATruncatedDataChunkAsFarAsWholeFramesGo) {
    WavBytes wav;
    wav.channels = 2;
    wav.samples = {1, 2, 3, 4, 5, 6, 7, 8};
    auto bytes = wav.build();
    bytes.resize(bytes.size() - 3); // cuts into the second stereo frame

    const auto sound = decodeWav(bytes);

    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST(WavDecoder, RefusesWhatItCannotPlay) {
    const auto refused = [](auto change) {
        WavBytes wav;
        wav.samples = {1, 2, 3, 4};
        change(wav);
        return !decodeWav(wav.build()).has_value();
    };
    EXPECT_TRUE(refused([](WavBytes& w) { w.formatTag = 3; })) << "float samples";
    EXPECT_TRUE(refused([](WavBytes& w) { w.bitsPerSample = 24; }));
    EXPECT_TRUE(refused([](WavBytes& w) { w.channels = 6; }));
    EXPECT_TRUE(refused([](WavBytes& w) { w.channels = 0; }));
    EXPECT_TRUE(refused([](WavBytes& w) { w.sampleRate = 0; }));
    EXPECT_TRUE(refused([](WavBytes& w) { w.samples.clear(); })) << "no samples at all";
}

TEST(WavDecoder, RefusesDamagedAndForeignFiles) {
    WavBytes wav;
    wav.samples = {1, 2, 3, 4};
    const auto good = wav.build();

    EXPECT_FALSE(decodeWav({}));
    EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>(good.begin(), good.begin() + 10)));
    auto notWave = good;
    notWave[8] = 'X';
    EXPECT_FALSE(decodeWav(notWave));
    auto formatCut = good;
    formatCut.resize(12 + 8 + 10); // header of the format chunk and part of its body
    EXPECT_FALSE(decodeWav(formatCut));
    auto hugeChunk = good;
    hugeChunk[16] = 0xFF; // the format chunk claims to run far past the end
    hugeChunk[19] = 0x7F;
    EXPECT_FALSE(decodeWav(hugeChunk));
    const std::string text = "just some text, not a sound";
    EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>(text.begin(), text.end())));
}

TEST(WavDecoder, RefusesDataBeforeItsFormat) {
    std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 12, 0, 0, 0, 'W', 'A', 'V', 'E',
                                       'd', 'a', 't', 'a', 4,  0, 0, 0, 1,   2,   3,   4};
    EXPECT_FALSE(decodeWav(bytes));
}

} // namespace
} // namespace aerolap
