#include "Language.h"

#include <QString>
#include <algorithm>

namespace aerolap {

std::optional<std::string> shippedLanguage(std::string_view code) {
    const std::string primary = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()))
                                    .toLower()
                                    .replace(QLatin1Char('-'), QLatin1Char('_'))
                                    .replace(QLatin1Char('.'), QLatin1Char('_'))
                                    .section(QLatin1Char('_'), 0, 0)
                                    .toStdString();
    if (std::ranges::find(kLanguages, primary) == kLanguages.end()) {
        return std::nullopt;
    }
    return primary;
}

std::string directorsLanguage(const std::optional<std::string>& asked,
                              const QStringList& systemLanguages) {
    if (asked) {
        if (auto language = shippedLanguage(*asked)) {
            return *language;
        }
    }
    for (const QString& each : systemLanguages) {
        if (auto language = shippedLanguage(each.toStdString())) {
            return *language;
        }
    }
    return std::string(kLanguages.front());
}

} // namespace aerolap
