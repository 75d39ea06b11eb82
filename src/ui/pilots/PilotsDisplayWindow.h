#pragma once

#include <QStringList>
#include <QWidget>

namespace aerolap {

/// Shows the contest director where pilots open the display page: each address in large text
/// with a QR code beside it. When the page is off, it says why instead.
class PilotsDisplayWindow final : public QWidget {
    Q_OBJECT

public:
    /// `addresses` empty means the page is off; `note` then says why.
    PilotsDisplayWindow(const QStringList& addresses, const QString& note,
                        QWidget* parent = nullptr);
};

} // namespace aerolap
