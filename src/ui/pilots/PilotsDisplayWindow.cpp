#include "PilotsDisplayWindow.h"

#include "QrCodeImage.h"
#include "ui/widgets/WrappedTextRoom.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace aerolap {

namespace {
constexpr int kModulePixels = 6;
constexpr int kAddressPointSize = 16;
constexpr int kNarrowestColumns = 40;
} // namespace

PilotsDisplayWindow::PilotsDisplayWindow(const QStringList& addresses, const QString& note,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("PilotsDisplayWindow"));
    setWindowTitle(tr("Pilots' display"));
    auto* layout = new QVBoxLayout(this);
    if (addresses.isEmpty()) {
        layout->addWidget(new QLabel(note));
        return;
    }
    auto* help = new QLabel(tr("Pilots open one of these addresses on a phone, tablet or TV on "
                               "the same network as this laptop (or scan its code) to see the "
                               "running time."));
    help->setWordWrap(true);
    layout->addWidget(help);
    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    int row = 0;
    for (const QString& address : addresses) {
        auto* code = new QLabel;
        code->setPixmap(QPixmap::fromImage(qrCodeImage(address, kModulePixels)));
        auto* text = new QLabel(address);
        text->setObjectName(QStringLiteral("address"));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont font = text->font();
        font.setPointSize(kAddressPointSize);
        font.setBold(true);
        text->setFont(font);
        grid->addWidget(code, row, 0);
        grid->addWidget(text, row, 1);
        ++row;
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    keepWrappedTextWhole(*this, kNarrowestColumns);
}

} // namespace aerolap
