#include "JsonMembers.h"

#include <array>
#include <cstdint>

namespace aerolap {

namespace {

constexpr std::string_view kReplacement = "\\ufffd";

/// The length of the valid UTF-8 sequence that starts `text`, or 0 when it is not one.
std::size_t validSequenceAt(std::string_view text) {
    const auto byte = [&text](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    std::uint32_t code = lead & (0x7fu >> length);
    for (std::size_t at = 1; at < length; ++at) {
        if ((byte(at) & 0xc0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at) & 0x3fu);
    }
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code < lowest || code > 0x10ffff || surrogate ? 0 : length;
}

} // namespace

std::string jsonString(std::string_view value) {
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    for (std::size_t at = 0; at < value.size();) {
        const auto c = static_cast<unsigned char>(value[at]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7f) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else if (c >= 0x80) {
            const std::size_t length = validSequenceAt(value.substr(at));
            if (length == 0) {
                out += kReplacement;
                ++at;
                continue;
            }
            out.append(value.substr(at, length));
            at += length;
            continue;
        } else {
            out += static_cast<char>(c);
        }
        ++at;
    }
    out += '"';
    return out;
}

void JsonMembers::key(std::string_view key) {
    if (!m_written.empty()) {
        m_written += ',';
    }
    m_written += jsonString(key);
    m_written += ':';
}

JsonMembers& JsonMembers::text(std::string_view key, std::string_view value) {
    this->key(key);
    m_written += jsonString(value);
    return *this;
}

JsonMembers& JsonMembers::number(std::string_view key, long long value) {
    this->key(key);
    m_written += std::to_string(value);
    return *this;
}

JsonMembers& JsonMembers::flag(std::string_view key, bool value) {
    this->key(key);
    m_written += value ? "true" : "false";
    return *this;
}

JsonMembers& JsonMembers::nanoseconds(std::string_view key, std::chrono::nanoseconds value) {
    return number(key, static_cast<long long>(value.count()));
}

JsonMembers& JsonMembers::object(std::string_view key, const JsonMembers& members) {
    this->key(key);
    m_written += '{';
    m_written += members.written();
    m_written += '}';
    return *this;
}

} // namespace aerolap
