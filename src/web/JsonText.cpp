#include "JsonText.h"

#include <cstdio>
#include <utility>

namespace aerolap {

JsonText& JsonText::name(std::string_view name) {
    separate();
    quoted(name);
    m_text += ':';
    m_named = true;
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    quoted(text);
    return *this;
}

JsonText& JsonText::value(int number) {
    separate();
    m_text += std::to_string(number);
    return *this;
}

JsonText& JsonText::value(bool truth) {
    separate();
    m_text += truth ? "true" : "false";
    return *this;
}

JsonText& JsonText::open(char bracket) {
    separate();
    m_text += bracket;
    m_filled.push_back(false);
    return *this;
}

JsonText& JsonText::close(char bracket) {
    m_text += bracket;
    m_filled.pop_back();
    return *this;
}

void JsonText::separate() {
    if (std::exchange(m_named, false) || m_filled.empty()) {
        return;
    }
    if (m_filled.back()) {
        m_text += ',';
    }
    m_filled.back() = true;
}

void JsonText::quoted(std::string_view text) {
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
}

} // namespace aerolap
