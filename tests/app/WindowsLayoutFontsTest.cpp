// The main window and the about box in the fonts the Windows composition picks, as Windows draws
// them (under Wine here): every caption in its planned family, none of them cut off.
#include "TimedWindow.h"
#include "app/SystemServices.h"
#include "ui/about/frmAboutView.h"
#include "ui/main/Form1View.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

/// What is wrong with the captions of `view`'s widgets: a family other than planned, or a text
/// wider or taller than its widget.
std::vector<std::string> captionFaults(const QWidget& view, const LayoutFonts& fonts) {
    std::vector<std::string> faults;
    for (const QWidget* child : view.findChildren<QWidget*>()) {
        const QString text = child->property("text").toString();
        if (text.trimmed().isEmpty() || qobject_cast<const QLineEdit*>(child) != nullptr) {
            continue;
        }
        const std::string name = child->objectName().toStdString();
        const QString planned = child->font().family();
        const QString drawn = QFontInfo(child->font()).family();
        if ((planned != fonts.arial && planned != fonts.msSansSerif) || drawn != planned) {
            faults.push_back(name + ": " + planned.toStdString() + " drawn in " + drawn.toStdString());
        }
        const QSize needed = child->sizeHint();
        const bool label = qobject_cast<const QLabel*>(child) != nullptr;
        const QSize text_size = QFontMetrics(child->font()).size(0, text);
        if ((label ? text_size : needed).width() > child->width() ||
            text_size.height() > child->height()) {
            faults.push_back(name + ": \"" + text.toStdString() + "\" needs " +
                             std::to_string((label ? text_size : needed).width()) + "x" +
                             std::to_string(text_size.height()) + ", has " +
                             std::to_string(child->width()) + "x" +
                             std::to_string(child->height()));
        }
    }
    return faults;
}

using WindowsFonts = MainWindowFixture;

TEST_F(WindowsFonts, EveryCaptionIsInItsPlannedFamilyAndWhole) {
    const LayoutFonts fonts = SystemServices(std::nullopt).layoutFonts();
    std::cout << "Planned: " << fonts.arial.toStdString() << ", "
              << fonts.msSansSerif.toStdString() << std::endl;
    Form1View view{window, fonts};
    form.Frame1.setVisible(true); // the set-up panel's captions too
    EXPECT_EQ(captionFaults(view, fonts), std::vector<std::string>{});
    frmAboutView* about = new frmAboutView(*window.aboutBox(), fonts);
    EXPECT_EQ(captionFaults(*about, fonts), std::vector<std::string>{});
    delete about;
}

} // namespace
} // namespace aerolap::testing
