#include "frmAboutView.h"

#include "AboutIcon.h"
#include "ui/widgets/ElementWidgets.h"
#include "ui/widgets/Follow.h"
#include "ui/widgets/Twips.h"

#include <QPainter>

namespace aerolap {
namespace {

constexpr QRect kClient = twips(0, 0, 5835, 3705);
constexpr qreal kLabelPoints = 9.75;

} // namespace

frmAboutView::frmAboutView(frmAbout& about, const LayoutFonts& fonts,
                           const std::function<void(QWidget&)>& prepareNativeWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_about(about) {
    setObjectName("frmAbout");
    setModal(false);
    setFixedSize(kClient.size());
    setFont(systemDefaultFont(fonts));
    buildElements(layoutFont(fonts.msSansSerif, kLabelPoints, true));

    follow(about.unloaded, this, [this] { deleteLater(); });
    if (prepareNativeWindow) {
        prepareNativeWindow(*this);
    }
    followWindow(this, about.window);
}

void frmAboutView::buildElements(const QFont& labelFont) {
    auto* picIcon = place(new QLabel(this), "picIcon", twips(240, 120, 510, 510));
    picIcon->setPixmap(aboutIcon());
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setFocusPolicy(Qt::TabFocus);

    QLabel* title =
        addLabel(this, m_about.lblTitle, "lblTitle", twips(1050, 240, 3165, 480), labelFont);
    addLabel(this, m_about.lblVersion, "lblVersion", twips(1050, 780, 4725, 225), labelFont);
    QLabel* description = addLabel(this, m_about.lblDescription, "lblDescription",
                                   twips(1050, 1125, 3885, 1170), labelFont);
    QLabel* disclaimer = addLabel(this, m_about.lblDisclaimer, "lblDisclaimer",
                                  twips(255, 2625, 3870, 825), labelFont);
    for (QLabel* wrapping : {description, disclaimer}) {
        wrapping->setWordWrap(true);
    }
    // These stay black whatever the desktop's text colour.
    for (QLabel* black : {title, description, disclaimer}) {
        setColour(black, QPalette::WindowText, Qt::black);
    }

    auto* cmdOK = addButton(this, m_about.cmdOK, "cmdOK", twips(4245, 2625, 1260, 345), font());
    auto* cmdSysInfo =
        addButton(this, m_about.cmdSysInfo, "cmdSysInfo", twips(4260, 3075, 1245, 345), font());
    cmdOK->setDefault(true);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    cmdOK->setFocus();
}

void frmAboutView::reject() {
    // Esc and the close box land here; both do what OK does.
    m_about.cmdOK_Click();
}

void frmAboutView::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white one just below it.
    QPainter painter(this);
    painter.fillRect(
        QRect(QPoint(pixelsOf(90), pixelsOf(2445)), QPoint(pixelsOf(5654), pixelsOf(2445))),
        QColor(128, 128, 128));
    painter.fillRect(
        QRect(QPoint(pixelsOf(105), pixelsOf(2460)), QPoint(pixelsOf(5654), pixelsOf(2460) + 1)),
        QColor(255, 255, 255));
}

} // namespace aerolap
