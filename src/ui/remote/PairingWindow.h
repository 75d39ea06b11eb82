#pragma once

#include "remote/RemoteAccess.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace aerolap {

/// Where phones are paired in a role: the "Director's remote" window, and the timekeepers' one of
/// the Scores window. It shows where the phone opens its page (a QR code and the addresses), the
/// six-digit code that pairs it, and the devices paired today in the role with when they were
/// paired and last seen, each with Revoke, and Revoke all. Pairing is open only while the window
/// shows.
class PairingWindow final : public QWidget {
    Q_OBJECT

public:
    /// `addresses` are the role's page's; empty when it is not served, and `note` says why.
    PairingWindow(RemoteAccess& access, DeviceRole role, const QStringList& addresses,
                  const QString& note, QWidget* parent = nullptr);
    ~PairingWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();

    RemoteAccess& m_access;
    const DeviceRole m_role;
    QLabel* m_code = nullptr;
    QTableWidget* m_devices = nullptr;
};

} // namespace aerolap
