// The system's fonts for the windows: every caption of the main window and the about box is drawn
// in the family it asks for (no silent fall-back to another face) and fits its element.
#include "app/SystemLayoutFonts.h"

#include "TimedWindow.h"
#include "ui/about/frmAboutView.h"
#include "ui/main/Form1View.h"

#include <QtWidgets>
#include <gmock/gmock.h>

namespace aerolap::testing {
namespace {

/// Created hidden and never shown.
const QStringList kNeverShown{"Label7", "Label8", "Label9"};

/// Where `widget` lays out its caption, and how.
std::pair<QRect, int> captionArea(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return {label->contentsRect(),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    auto& button = static_cast<QAbstractButton&>(widget);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(&button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<QRadioButton*>(&button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
    }
    return {button.style()->subElementRect(contents, &option, &button),
            Qt::AlignCenter | Qt::TextShowMnemonic};
}

/// Where the caption's ink falls: for one line, its glyphs as drawn (a line's spacing may be
/// taller than the element, as in the time display, with nothing drawn there); for wrapped
/// text, the lines it takes.
QRect captionInk(QWidget& widget, const QRect& area, int flags, const QString& caption) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QRect line = metrics.boundingRect(area, flags, caption);
    if (flags & Qt::TextWordWrap) {
        return line;
    }
    const QRect glyphs = metrics.tightBoundingRect(QString(caption).remove('&'));
    const int baseline = line.top() + metrics.ascent();
    return QRect(line.left(), baseline + glyphs.top(), line.width(), glyphs.height());
}

void expectCaptionsFitInPlannedFonts(QWidget& window, const LayoutFonts& fonts) {
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString caption = widget->property("text").toString();
        if ((qobject_cast<QLabel*>(widget) == nullptr &&
             qobject_cast<QAbstractButton*>(widget) == nullptr) ||
            caption.trimmed().isEmpty() || kNeverShown.contains(widget->objectName())) {
            continue;
        }
        ++checked;
        const std::string name = (widget->objectName() + " \"" + caption + "\"").toStdString();
        const std::string asked = widget->font().family().toStdString();
        EXPECT_THAT(asked,
                    ::testing::AnyOf(fonts.arial.toStdString(), fonts.msSansSerif.toStdString()))
            << name;
        EXPECT_EQ(QFontInfo(widget->font()).family().toStdString(), asked) << name;
        const auto [area, flags] = captionArea(*widget);
        const QRect ink = captionInk(*widget, area, flags, caption);
        EXPECT_TRUE(area.contains(ink)) << name << " takes " << ink.width() << "x" << ink.height()
                                        << " at " << ink.x() - area.x() << "," << ink.y() - area.y()
                                        << " in " << area.width() << "x" << area.height();
    }
    EXPECT_GT(checked, 3) << window.objectName().toStdString();
}

TEST(SystemLayoutFonts, EveryCaptionOfBothWindowsFitsInTheFamilyItAsksFor) {
    TimedWindow timed;
    const LayoutFonts fonts = systemLayoutFonts();
    Form1View main{timed.window, fonts};
    expectCaptionsFitInPlannedFonts(main, fonts);
    // The box deletes itself when it is unloaded, which this test never does.
    auto* about = new frmAboutView(*timed.window.aboutBox(), fonts);
    expectCaptionsFitInPlannedFonts(*about, fonts);
    delete about;
}

} // namespace
} // namespace aerolap::testing
