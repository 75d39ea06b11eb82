#include "frmAboutView.h"

#include "AboutIcon.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace aerolap {
namespace {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

struct Placement {
    int left;
    int top;
    int width;
    int height;
};

QRect pixelsOf(const Placement& twips) {
    return {px(twips.left), px(twips.top), px(twips.width), px(twips.height)};
}

constexpr int kClientWidth = 5835;
constexpr int kClientHeight = 3705;

QFont boldSansSerif() {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QLabel* addLabel(QWidget* parent, const char* name, Label& label, const Placement& placement,
                 bool black, bool wrapping) {
    auto* widget = new QLabel(QString::fromStdString(label.caption()), parent);
    widget->setObjectName(name);
    widget->setGeometry(pixelsOf(placement));
    widget->setFont(boldSansSerif());
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setWordWrap(wrapping);
    if (black) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        widget->setPalette(palette);
    }
    const QPointer<QLabel> guard(widget);
    label.changed.connect([guard, &label] {
        if (guard) {
            guard->setText(QString::fromStdString(label.caption()));
        }
    });
    return widget;
}

QPushButton* addButton(QWidget* parent, const char* name, CommandButton& button,
                       const Placement& placement) {
    auto* widget = new QPushButton(QString::fromStdString(button.caption()), parent);
    widget->setObjectName(name);
    widget->setGeometry(pixelsOf(placement));
    QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.click(); });
    return widget;
}

} // namespace

frmAboutView::frmAboutView(frmAbout& about,
                           const std::function<void(QWidget&)>& prepareNativeWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_about(about) {
    setObjectName("frmAbout");
    setModal(false);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setWindowTitle(QString::fromStdString(about.window.title()));
    buildElements();

    const QPointer<frmAboutView> guard(this);
    about.window.titleChanged.connect([guard, &about] {
        if (guard) {
            guard->setWindowTitle(QString::fromStdString(about.window.title()));
        }
    });
    about.window.visibilityChanged.connect([guard](bool visible) {
        if (guard) {
            guard->setVisible(visible);
        }
    });
    about.unloaded.connect([guard] {
        if (guard) {
            guard->deleteLater();
        }
    });

    if (prepareNativeWindow) {
        prepareNativeWindow(*this);
    }
    setVisible(about.window.visible());
}

void frmAboutView::buildElements() {
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(pixelsOf({240, 120, 510, 510}));
    picIcon->setPixmap(aboutIcon());
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setFocusPolicy(Qt::TabFocus);

    addLabel(this, "lblTitle", m_about.lblTitle, {1050, 240, 3165, 480}, true, false);
    addLabel(this, "lblVersion", m_about.lblVersion, {1050, 780, 4725, 225}, false, false);
    addLabel(this, "lblDescription", m_about.lblDescription, {1050, 1125, 3885, 1170}, true, true);
    addLabel(this, "lblDisclaimer", m_about.lblDisclaimer, {255, 2625, 3870, 825}, true, true);

    auto* cmdOK = addButton(this, "cmdOK", m_about.cmdOK, {4245, 2625, 1260, 345});
    auto* cmdSysInfo = addButton(this, "cmdSysInfo", m_about.cmdSysInfo, {4260, 3075, 1245, 345});
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
    painter.fillRect(QRect(QPoint(px(90), px(2445)), QPoint(px(5654), px(2445))),
                     QColor(128, 128, 128));
    painter.fillRect(QRect(QPoint(px(105), px(2460)), QPoint(px(5654), px(2460) + 1)),
                     QColor(255, 255, 255));
}

} // namespace aerolap
