#include "ui/about/GetKeyValue.h"

#include "FakeRegistry.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(registry.lastAccessMask(), 0x2003Fu);
    EXPECT_EQ(registry.lastOptions(), 0u);
    EXPECT_EQ(registry.lastBufferSize(), 1024u);
    EXPECT_TRUE(registry.lastBufferWasZeroed());
}

INSTANTIATE_TEST_SUITE_P(
    ByValueType, GetKeyValueReads,
    ::testing::Values(
        ReadCase{"StringWithTerminatingZero",
                 {kRegSz, bytesOf(std::string("C:\\Tools\\msinfo32.exe\0", 22))},
                 "",
                 "C:\\Tools\\msinfo32.exe"},
        ReadCase{"StringWithoutTerminatingZero",
                 {kRegSz, bytesOf("C:\\Tools\\msinfo32.exe")},
                 "",
                 "C:\\Tools\\msinfo32.exe"},
        // Only the last byte is checked for a terminator: an inner zero byte stays.
        ReadCase{"StringWithInnerZero", {kRegSz, {'a', 0, 'b'}}, "", std::string("a\0b", 3)},
        ReadCase{"StringReplacesWhatWasPassedIn", {kRegSz, bytesOf("new")}, "old", "new"},
        ReadCase{"StringOfOneZeroByteIsEmpty", {kRegSz, {0}}, "old", ""},
        ReadCase{"StringInSystemCodePageKeepsItsBytes",
                 {kRegSz, {'C', ':', '\\', 0xE8}},
                 "",
                 std::string("C:\\\xE8")},
        ReadCase{"StringOfTheWholeBuffer",
                 {kRegSz, std::vector<std::uint8_t>(1024, 'x')},
                 "",
                 std::string(1024, 'x')},
        // 0x00000102 is stored 02 01 00 00; the zero top byte is dropped as a terminator.
        ReadCase{"DwordDropsItsZeroTopByte", {kRegDword, {0x02, 0x01, 0x00, 0x00}}, "", "&h000102"},
        ReadCase{"DwordWithAllFourBytes", {kRegDword, {0xEF, 0xBE, 0xAD, 0xDE}}, "", "&hDEADBEEF"},
        ReadCase{"DwordPadsEveryByteToTwoDigits",
                 {kRegDword, {0x0A, 0x00, 0x05, 0x01}},
                 "",
                 "&h0105000A"},
        ReadCase{"OtherTypeLeavesTheTextAsPassed",
                 {kRegExpandSz, bytesOf(std::string("%SystemRoot%\\x\0", 15))},
                 "as passed",
                 "as passed"},
        ReadCase{"OtherTypeLeavesAnEmptyTextEmpty", {kRegExpandSz, bytesOf("x")}, "", ""}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return param.param.name; });

struct FailureCase {
    const char* name;
    const char* valueName;
    bool denyReads;
    const char* keyPath;
};

class GetKeyValueFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GetKeyValueFails, ReturnsFalseWithEmptyTextAndLeavesNoKeyOpen) {
    const FailureCase& c = GetParam();
    FakeRegistry registry;
    registry.setValue(kKey, "PATH", {kRegSz, std::vector<std::uint8_t>(1025, 'x')});
    registry.setValue(kKey, "SHORT", {kRegSz, bytesOf("fits")});
    if (c.denyReads) {
        registry.denyReadsOf(kKey);
    }

    std::string text = "left over";
    EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine, c.keyPath, c.valueName, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    OnEveryFailure, GetKeyValueFails,
    ::testing::Values(FailureCase{"KeyMissing", "PATH", false, "SOFTWARE\\Nowhere"},
                      FailureCase{"ValueMissing", "NOPE", false, kKey},
                      FailureCase{"ValueLongerThanTheBuffer", "PATH", false, kKey},
                      FailureCase{"ReadDenied", "SHORT", true, kKey}),
    [](const ::testing::TestParamInfo<FailureCase>& param) { return param.param.name; });

TEST(GetKeyValue, ValueOfZeroBytesRaisesAnErrorAndStillClosesTheKey) {
    FakeRegistry registry;
    registry.setValue(kKey, "PATH", {kRegSz, {}});
    std::string text = "unchanged";
    EXPECT_THROW(GetKeyValue(registry, Registry::kLocalMachine, kKey, "PATH", text),
                 EmptyRegistryValue);
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

} // namespace
} // namespace aerolap::testing
