#include "PairingWindow.h"

#include "ui/pilots/QrCodeImage.h"
#include "ui/widgets/WrappedTextRoom.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace aerolap {

namespace {
constexpr int kModulePixels = 6;
constexpr int kCodePointSize = 36;
constexpr int kNarrowestColumns = 60;

QString timeOfDay(WallClock::TimePoint at) {
    return QDateTime::fromMSecsSinceEpoch(
               std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count())
        .toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

PairingWindow::PairingWindow(RemoteAccess& access, DeviceRole role, const QStringList& addresses,
                             const QString& note, QWidget* parent)
    : QWidget(parent, Qt::Window), m_access(access), m_role(role) {
    const bool director = role == DeviceRole::Director;
    setObjectName(director ? QStringLiteral("DirectorsRemoteWindow")
                           : QStringLiteral("TimekeepersWindow"));
    setWindowTitle(director ? tr("Director's remote") : tr("Timekeepers"));
    auto* layout = new QVBoxLayout(this);
    if (addresses.isEmpty()) {
        layout->addWidget(new QLabel(note));
        return;
    }
    auto* top = new QHBoxLayout;
    auto* qrCode = new QLabel;
    qrCode->setPixmap(QPixmap::fromImage(qrCodeImage(addresses.constFirst(), kModulePixels)));
    top->addWidget(qrCode);
    auto* words = new QVBoxLayout;
    auto* help = new QLabel(
        (director ? tr("Open this address on your phone (or scan the code), then type the code "
                       "below and a name for the phone. Anyone who can see this code can pair: "
                       "revoke any device that is not yours.")
                  : tr("Each timekeeper opens this address on their phone (or scans the code), "
                       "then types the code below and a name for the phone. A timekeeper's phone "
                       "can hand in score cards, nothing else. Revoke any device that is not one "
                       "of yours.")) +
        QLatin1Char('\n') + addresses.join(QLatin1Char('\n')));
    help->setWordWrap(true);
    help->setTextInteractionFlags(Qt::TextSelectableByMouse);
    words->addWidget(help);
    m_code = new QLabel;
    m_code->setObjectName(QStringLiteral("code"));
    QFont font = m_code->font();
    font.setPointSize(kCodePointSize);
    font.setBold(true);
    m_code->setFont(font);
    // Digits are as wide as each other: room for any code before the first one shows.
    m_code->setText(QStringLiteral("000000"));
    m_code->setMinimumWidth(m_code->minimumSizeHint().width());
    words->addWidget(m_code);
    top->addLayout(words);
    layout->addLayout(top);

    m_devices = new QTableWidget(0, 4);
    m_devices->setObjectName(QStringLiteral("devices"));
    m_devices->setHorizontalHeaderLabels({tr("Device"), tr("Paired"), tr("Last seen"), {}});
    // The times and Revoke take the room their words need in the language; the name the rest.
    m_devices->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_devices->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_devices->verticalHeader()->hide();
    m_devices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_devices);
    auto* revokeAll = new QPushButton(tr("Revoke all"));
    revokeAll->setObjectName(QStringLiteral("revokeAll"));
    connect(revokeAll, &QPushButton::clicked, this, [this] { m_access.revokeAll(m_role); });
    layout->addWidget(revokeAll, 0, Qt::AlignRight);
    keepWrappedTextWhole(*this, kNarrowestColumns);

    // Pairing and commands come on the web server's thread; the list is redrawn on this one.
    m_access.onChange(this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { refresh(); }, Qt::QueuedConnection);
    });
    refresh();
}

PairingWindow::~PairingWindow() {
    m_access.onChange(this, {});
}

void PairingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_code != nullptr) {
        m_access.openPairing(m_role);
        refresh();
    }
}

void PairingWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_code != nullptr) {
        m_access.closePairing(m_role);
        refresh();
    }
}

void PairingWindow::refresh() {
    const auto code = m_access.pairingCode(m_role);
    m_code->setText(code ? QString::fromStdString(*code) : QStringLiteral("------"));
    const std::vector<PairedDevice> devices = m_access.devices(m_role);
    m_devices->setRowCount(static_cast<int>(devices.size()));
    int row = 0;
    for (const PairedDevice& device : devices) {
        m_devices->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(device.name)));
        m_devices->setItem(row, 1, new QTableWidgetItem(timeOfDay(device.pairedAt)));
        m_devices->setItem(row, 2, new QTableWidgetItem(timeOfDay(device.lastSeen)));
        auto* revoke = new QPushButton(tr("Revoke"));
        connect(revoke, &QPushButton::clicked, this,
                [this, id = device.id] { m_access.revoke(id); });
        m_devices->setCellWidget(row, 3, revoke);
        ++row;
    }
}

} // namespace aerolap
