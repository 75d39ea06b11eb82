#include "ui/about/GetKeyValue.h"

#include "FakeRegistry.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap::testing {
namespace {

constexpr auto kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegDword = 4;

struct ReadCase {
    const char* name;
    FakeRegistry::Value value;
    std::string passedIn;
    std::string expectedText;

    friend void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }
};

class GetKeyValueReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueReads, TurnsTheBytesIntoTextAndReturnsTrue) {
    const ReadCase& c = GetParam();
    FakeRegistry registry;
    registry.setValue(kKey, "PATH", c.value);
    std::string text = c.passedIn;
    EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine, kKey, "PATH", text), -1);
    EXPECT_EQ(text, c.expectedText);
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    ByValueType, GetKeyValueReads,
    ::testing::Values(
        ReadCase{"StringWithTerminatingZero",
                 {kRegSz, bytesOf(std::string("C:\\Tools\\msinfo32.exe\0", 22))},
                 "old",
                 "C:\\Tools\\msinfo32.exe"},
        ReadCase{"StringWithoutTerminatingZero",
                 {kRegSz, bytesOf("C:\\Tools\\msinfo32.exe")},
                 "",
                 "C:\\Tools\\msinfo32.exe"},
        // 0x00000102 is stored 02 01 00 00; the zero top byte is dropped as a terminator.
        ReadCase{"DwordDropsItsZeroTopByte", {kRegDword, {0x02, 0x01, 0x00, 0x00}}, "", "&h000102"},
        ReadCase{"DwordWithAllFourBytes", {kRegDword, {0xEF, 0xBE, 0x0D, 0xDE}}, "", "&hDE0DBEEF"},
        ReadCase{"OtherTypeLeavesTheTextAsPassed",
                 {kRegExpandSz, bytesOf(std::string("%SystemRoot%\\x\0", 15))},
                 "as passed",
                 "as passed"}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return param.param.name; });

TEST(GetKeyValue, FailedOpenOrReadReturnsFalseWithEmptyTextAndLeavesNoKeyOpen) {
    FakeRegistry registry;
    registry.setValue(kKey, "PATH", {kRegSz, std::vector<std::uint8_t>(1025, 'x')});
    const std::pair<const char*, const char*> failures[] = {
        {"SOFTWARE\\Nowhere", "PATH"}, {kKey, "MISSING"}, {kKey, "PATH"} /* longer than 1 KiB */};
    for (const auto& [key, value] : failures) {
        std::string text = "left over";
        EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine, key, value, text), 0) << value;
        EXPECT_EQ(text, "");
    }
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

} // namespace
} // namespace aerolap::testing
