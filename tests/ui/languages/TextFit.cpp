#include "TextFit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace aerolap::testing {

namespace {

// QLineEdit keeps this many pixels between its frame and its text on each side.
constexpr int kLineEditMargin = 2;

QString fault(const QWidget& widget, const QString& text, QSize needed) {
    return QStringLiteral("%1 \"%2\": needs %3x%4, got %5x%6")
        .arg(QString::fromLatin1(widget.metaObject()->className()), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(widget.width())
        .arg(widget.height());
}

bool fits(const QWidget& widget, QSize needed) {
    return widget.width() >= needed.width() && widget.height() >= needed.height();
}

QStringList labelFault(const QLabel& label) {
    if (label.text().isEmpty()) {
        return {};
    }
    const QSize needed =
        label.wordWrap() ? QSize(0, label.heightForWidth(label.width())) : label.minimumSizeHint();
    return fits(label, needed) ? QStringList() : QStringList{fault(label, label.text(), needed)};
}

QStringList buttonFault(const QAbstractButton& button) {
    // A button's height is the style's, not its text's: a button in a table row may be lower.
    const QSize needed(button.sizeHint().width(), button.fontMetrics().height());
    return fits(button, needed) ? QStringList() : QStringList{fault(button, button.text(), needed)};
}

QStringList lineEditFault(const QLineEdit& edit) {
    const QString shown = edit.text().isEmpty() ? edit.placeholderText() : edit.text();
    if (shown.isEmpty()) {
        return {};
    }
    const QMargins margins = edit.textMargins();
    const int frame = edit.hasFrame()
                          ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit)
                          : 0;
    const QSize needed(edit.fontMetrics().horizontalAdvance(shown) + 2 * frame +
                           2 * kLineEditMargin + margins.left() + margins.right(),
                       edit.fontMetrics().height());
    return fits(edit, needed) ? QStringList() : QStringList{fault(edit, shown, needed)};
}

QStringList boxFault(const QWidget& box, const QString& text) {
    const QSize needed(box.minimumSizeHint().width(), box.fontMetrics().height());
    return fits(box, needed) ? QStringList() : QStringList{fault(box, text, needed)};
}

QStringList headerFaults(const QHeaderView& header) {
    QStringList faults;
    if (header.orientation() != Qt::Horizontal) {
        return faults;
    }
    for (int section = 0; section < header.count(); ++section) {
        const QString text =
            header.model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        if (text.isEmpty() || header.isSectionHidden(section)) {
            continue;
        }
        if (const int needed = header.sectionSizeHint(section);
            header.sectionSize(section) < needed) {
            faults << QStringLiteral("header section \"%1\": needs %2, got %3")
                          .arg(text)
                          .arg(needed)
                          .arg(header.sectionSize(section));
        }
    }
    return faults;
}

/// A line edit that is part of a spin or combo box is checked as that box.
bool partOfABox(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
           qobject_cast<const QComboBox*>(parent) != nullptr;
}

QStringList faultsOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return labelFault(*label);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text().isEmpty() ? QStringList() : buttonFault(*button);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return partOfABox(widget) ? QStringList() : lineEditFault(*edit);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        return boxFault(*combo, combo->currentText());
    }
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&widget)) {
        return boxFault(*spin, spin->text());
    }
    if (const auto* header = qobject_cast<const QHeaderView*>(&widget)) {
        return headerFaults(*header);
    }
    return {};
}

} // namespace

QStringList clippedTexts(const QWidget& window) {
    QStringList faults;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && widget->window() == &window) {
            faults << faultsOf(*widget);
        }
    }
    return faults;
}

} // namespace aerolap::testing
