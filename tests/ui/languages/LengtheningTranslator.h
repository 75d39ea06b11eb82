#pragma once

#include <QTranslator>

namespace aerolap::testing {

/// Answers every text it is asked for about 40% longer than the English, as many a translation
/// is, so that a window whose texts would be cut off in some language shows it with no catalogue
/// at all. Letters are doubled here and there; the place markers (%1, %n), the mnemonic after
/// "&" and any markup stay as they are.
class LengtheningTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace aerolap::testing
