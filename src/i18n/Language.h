#pragma once

#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// The languages the program speaks in its windows, pages, day report and announcements, each
/// with a catalogue in translations/. English is the source and the fallback.
inline constexpr std::array<std::string_view, 4> kLanguages{"en", "it", "de", "fr"};

/// The language of `code` ("de", "de_AT", "de-CH", "DE", "de_DE.UTF-8") when it is one of those.
std::optional<std::string> shippedLanguage(std::string_view code);

/// The director's language: the one asked for (--lang, $AEROLAP_LANG) when given, else the first
/// of the system's own languages (most wanted first) that the program speaks, else English.
std::string directorsLanguage(const std::optional<std::string>& asked,
                              const QStringList& systemLanguages);

} // namespace aerolap
