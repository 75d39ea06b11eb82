#include "LengtheningTranslator.h"

#include <algorithm>

namespace aerolap::testing {

namespace {
constexpr double kLonger = 0.4;
} // namespace

QString LengtheningTranslator::translate(const char*, const char* sourceText, const char*,
                                         int) const {
    const QString source = QString::fromUtf8(sourceText);
    const auto letters = std::ranges::count_if(source, [](QChar c) { return c.isLetter(); });
    if (letters == 0) {
        return {};
    }
    // Doubling this share of the letters makes the whole text, spaces and signs included, 40%
    // longer.
    const double share =
        std::min(1.0, kLonger * static_cast<double>(source.size()) / static_cast<double>(letters));
    QString longer;
    double owed = 0;
    bool inMarkup = false;
    QChar previous;
    for (const QChar c : source) {
        longer += c;
        inMarkup = c == QLatin1Char('<') || (inMarkup && c != QLatin1Char('>'));
        const bool marker = previous == QLatin1Char('%') || previous == QLatin1Char('&');
        previous = c;
        if (!c.isLetter() || inMarkup || marker) {
            continue;
        }
        owed += share;
        if (owed >= 1) {
            longer += c;
            owed -= 1;
        }
    }
    return longer;
}

} // namespace aerolap::testing
