#pragma once

#include "remote/RemoteAccess.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace aerolap {

/// The "Director's remote" window: where the phone opens the remote (a QR code and the addresses),
/// the six-digit code that pairs it, and the devices paired today with when they were paired and
/// last seen, each with Revoke, and Revoke all. Pairing is open only while the window shows.
class DirectorsRemoteWindow final : public QWidget {
public:
    /// `addresses` are the remote page's; empty when it is not served, and `note` says why.
    DirectorsRemoteWindow(RemoteAccess& access, const QStringList& addresses, const QString& note,
                          QWidget* parent = nullptr);
    ~DirectorsRemoteWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();

    RemoteAccess& m_access;
    QLabel* m_code = nullptr;
    QTableWidget* m_devices = nullptr;
};

} // namespace aerolap
