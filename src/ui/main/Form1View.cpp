#include "Form1View.h"

#include "BackgroundPicture.h"
#include "ui/widgets/ElementWidgets.h"
#include "ui/widgets/Follow.h"
#include "ui/widgets/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <array>
#include <cstdint>

namespace aerolap {

namespace {

constexpr QSize kClientSize{730, 551};
constexpr QColor kBackground{0, 192, 192};
constexpr QColor kGreen{0, 255, 0};
constexpr QColor kRed{255, 0, 0};
constexpr QColor kYellow{255, 255, 0};
constexpr QColor kGrey{192, 192, 192};

// Close requests from the close box, the system menu and Alt+F4.
constexpr int kClosedFromControlMenu = 0;

constexpr std::array kFocusOrder{
    "Command5", "Command7", "Command1", "Check1",   "Check2",  "Check3",  "Check4",  "Check5",
    "Check6",   "Check7",   "Check8",   "Check9",   "Check10", "Check11", "Check12", "Check13",
    "Option1",  "Option2",  "Command2", "Check14",  "Option3", "Check15", "Check16", "Check17",
    "Clock2",   "Clock3",   "Option4",  "Command3", "Combo1"};

/// A flat face in the button's own colour; pressing darkens it, the focus thickens the rim.
void paintFace(QPushButton* button, const QColor& colour) {
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 1px solid #404040; }"
                                         " QPushButton:focus { border: 2px solid black; }"
                                         " QPushButton:pressed { background-color: %2; }")
                              .arg(colour.name(), colour.darker(125).name()));
}

} // namespace

Form1View::Form1View(MainWindow& window, const LayoutFonts& fonts, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_window(window), m_form(window.form()), m_fonts(fonts),
      m_background(QPixmap::fromImage(BackgroundPicture::render(fonts.arial))) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientSize);
    setFont(systemDefaultFont(m_fonts));
    setColour(this, QPalette::Window, kBackground);
    setAutoFillBackground(true);

    buildWindowElements();
    setFocusOrder();

    followWindow(this, m_form.window);
}

void Form1View::buildWindowElements() {
    Form1& f = m_form;
    const QString& arial = m_fonts.arial;
    auto* display = addLabel(this, f.Label2, "Label2", twips(2040, 2280, 6855, 1455),
                             layoutFont(arial, 72, false, true), Qt::AlignHCenter);
    // The display is painted in the desktop's own colours for documents, not in the window's.
    setColour(display, QPalette::Window, QApplication::palette().color(QPalette::Base));
    setColour(display, QPalette::WindowText, QApplication::palette().color(QPalette::Text));

    // The status line's text is meant in the desktop's colour; Qt knows none, so it keeps the
    // window text colour.
    addLabel(this, f.Label4, "Label4", twips(2040, 3720, 6615, 615), layoutFont(arial, 21.75),
             Qt::AlignHCenter);
    addLabel(this, f.Label3, "Label3", twips(2520, 1080, 1695, 255), layoutFont(arial, 9.75));
    addLabel(this, f.Label1, "Label1", twips(6720, 1080, 1935, 255), layoutFont(arial, 9.75));
    addLabel(this, f.Label8, "Label8", twips(9360, 240, 855, 255), font());
    addLabel(this, f.Label7, "Label7", twips(9480, 720, 495, 255), font());
    addLabel(this, f.Label9, "Label9", twips(9360, 1320, 1095, 255), font());

    addClock(this, f.Clock1, "Clock1", twips(4440, 240, 1680, 315));
    addClock(this, f.Clock2, "Clock2", twips(2400, 1440, 1680, 315));
    addClock(this, f.Clock3, "Clock3", twips(6840, 1440, 1680, 315));

    // START, STOP and RESET share one place; the cycle keeps exactly one of them visible.
    const QRect cycleButton = twips(3960, 7320, 2895, 615);
    const QFont cycleFont = layoutFont(m_fonts.msSansSerif, 24, true);
    paintFace(addButton(this, f.Command5, "Command5", cycleButton, cycleFont), kGreen);
    paintFace(addButton(this, f.Command7, "Command7", cycleButton, cycleFont), kRed);
    paintFace(addButton(this, f.Command2, "Command2", cycleButton, cycleFont), kYellow);
    paintFace(addButton(this, f.Command3, "Command3", twips(9240, 7320, 1455, 495), font()),
              kYellow);
    paintFace(
        addButton(this, f.Command1, "Command1", twips(120, 7320, 1695, 495), layoutFont(arial, 18)),
        kGrey);

    // Created after the status line, so that the open panel covers it.
    auto* panel = place(new QFrame(this), "Frame1", twips(1800, 3720, 7335, 3375));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setColour(panel, QPalette::Window, QApplication::palette().color(QPalette::Window));
    panel->setAutoFillBackground(true);
    buildSetUpPanel(panel);
    followVisibility(panel, f.Frame1);
}

void Form1View::buildSetUpPanel(QWidget* panel) {
    Form1& f = m_form;
    const QFont heading = layoutFont(m_fonts.msSansSerif, 9.75, true);

    addLabel(panel, f.Label5, "Label5", twips(240, 120, 855, 255), heading);
    addCheckBox(panel, f.Check2, "Check2", twips(240, 480, 1695, 255));
    addCheckBox(panel, f.Check4, "Check4", twips(240, 840, 1575, 255));
    addCheckBox(panel, f.Check1, "Check1", twips(240, 1200, 1335, 255));
    addCheckBox(panel, f.Check3, "Check3", twips(240, 1560, 1335, 255));
    addCheckBox(panel, f.Check5, "Check5", twips(240, 1920, 1335, 255));
    addCheckBox(panel, f.Check6, "Check6", twips(240, 2280, 1335, 255));
    addCheckBox(panel, f.Check7, "Check7", twips(240, 2640, 1335, 255));
    addCheckBox(panel, f.Check8, "Check8", twips(2040, 480, 1335, 255));
    addCheckBox(panel, f.Check9, "Check9", twips(2040, 840, 1335, 255));
    addCheckBox(panel, f.Check10, "Check10", twips(2040, 1200, 1335, 255));
    addCheckBox(panel, f.Check11, "Check11", twips(2040, 1560, 1455, 255));
    addCheckBox(panel, f.Check14, "Check14", twips(2040, 1920, 1575, 255));
    addCheckBox(panel, f.Check12, "Check12", twips(2040, 2280, 1335, 255));
    addCheckBox(panel, f.Check13, "Check13", twips(2040, 2640, 1335, 255));
    addCheckBox(panel, f.Check16, "Check16", twips(2040, 3000, 975, 195));
    addLine(panel, "Line1", {3720, 120}, {3720, 3240});

    addLabel(panel, f.Label6, "Label6", twips(4200, 120, 735, 255), heading);
    addOption(panel, f.Option2, "Option2", twips(3840, 600, 1455, 255));
    addOption(panel, f.Option1, "Option1", twips(3840, 960, 1335, 255));
    addOption(panel, f.Option3, "Option3", twips(3840, 1320, 1215, 255));
    addOption(panel, f.Option4, "Option4", twips(3840, 1680, 855, 255));
    addLine(panel, "Line2", {3720, 2400}, {6120, 2400});
    addCheckBox(panel, f.Check17, "Check17", twips(3840, 2520, 855, 255));
    addCheckBox(panel, f.Check15, "Check15", twips(3840, 2880, 2175, 375));
    addLine(panel, "Line3", {6120, 120}, {6120, 3360});

    addLabel(panel, f.Label10, "Label10", twips(6240, 120, 495, 255), heading);
    addComboBox(panel, f.Combo1, "Combo1", twips(6240, 360, 615, 315));
}

void Form1View::setFocusOrder() {
    QWidget* previous = nullptr;
    for (const char* name : kFocusOrder) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    findChild<QWidget*>(QStringLiteral("Command5"))->setFocus();
}

void Form1View::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        // The frame counts where the window system already knows it; else the client area does.
        move(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, frameGeometry().size(),
                                 screen()->availableGeometry())
                 .topLeft());
    }
    QWidget::showEvent(event);
}

void Form1View::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Form1View::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = 0;
    m_window.Form_QueryUnload(cancel, kClosedFromControlMenu);
    if (cancel != 0) {
        event->ignore();
        return;
    }
    // A close that was let through unloads the window, which must not leave the program running
    // without one.
    std::int16_t unloadCancel = 0;
    m_window.Form_Unload(unloadCancel);
    event->accept();
}

} // namespace aerolap
