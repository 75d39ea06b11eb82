#include "SerialLineSettings.h"

#include "NameTable.h"

#include <array>
#include <cctype>
#include <charconv>
#include <ranges>

namespace aerolap {

namespace {

constexpr std::size_t kFieldCount = 4;

/// The four comma-separated fields, or nothing when there are more or fewer.
std::optional<std::array<std::string_view, kFieldCount>> fieldsOf(std::string_view text) {
    std::array<std::string_view, kFieldCount> fields;
    std::size_t count = 0;
    for (const auto field : std::views::split(text, ',')) {
        if (count == kFieldCount) {
            return std::nullopt;
        }
        fields[count++] = std::string_view(field.begin(), field.end());
    }
    return count == kFieldCount ? std::optional(fields) : std::nullopt;
}

std::optional<int> wholeNumberOf(std::string_view field) {
    int value = 0;
    const char* const end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

constexpr NameTable<SerialParity, 5> kParities{{
    {SerialParity::None, "n"},
    {SerialParity::Even, "e"},
    {SerialParity::Odd, "o"},
    {SerialParity::Mark, "m"},
    {SerialParity::Space, "s"},
}};

constexpr NameTable<SerialStopBits, 3> kStopBits{{
    {SerialStopBits::One, "1"},
    {SerialStopBits::OneAndHalf, "1.5"},
    {SerialStopBits::Two, "2"},
}};

std::optional<SerialParity> parityOf(std::string_view field) {
    if (field.size() != 1) {
        return std::nullopt;
    }
    const auto letter = static_cast<char>(std::tolower(static_cast<unsigned char>(field.front())));
    return keyNamed(kParities, std::string_view(&letter, 1));
}

} // namespace

std::optional<SerialLineSettings> SerialLineSettings::parse(std::string_view text) {
    constexpr int kFewestDataBits = 5;
    constexpr int kMostDataBits = 8;

    const auto fields = fieldsOf(text);
    if (!fields) {
        return std::nullopt;
    }
    const auto baudRate = wholeNumberOf((*fields)[0]);
    const auto parity = parityOf((*fields)[1]);
    const auto dataBits = wholeNumberOf((*fields)[2]);
    const auto stopBits = keyNamed(kStopBits, (*fields)[3]);
    if (!baudRate || *baudRate <= 0 || !parity || !dataBits || *dataBits < kFewestDataBits ||
        *dataBits > kMostDataBits || !stopBits) {
        return std::nullopt;
    }
    return SerialLineSettings{*baudRate, *parity, *dataBits, *stopBits};
}

} // namespace aerolap
