#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace aerolap {

enum class SerialParity { None, Even, Odd, Mark, Space };
enum class SerialStopBits { One, OneAndHalf, Two };

/// The line parameters a serial port control takes as a settings text such as "9600,n,8,1".
struct SerialLineSettings {
    std::int32_t baudRate = 9600;
    SerialParity parity = SerialParity::None;
    int dataBits = 8;
    SerialStopBits stopBits = SerialStopBits::One;

    bool operator==(const SerialLineSettings&) const = default;

    /// "baud,parity,data bits,stop bits": parity one of n, e, o, m, s (either case), data bits
    /// 5 to 8, stop bits 1, 1.5 or 2. Nothing for any other text.
    static std::optional<SerialLineSettings> parse(std::string_view text);
};

} // namespace aerolap
