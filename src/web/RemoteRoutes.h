#pragma once

#include "PhoneRoutes.h"

#include <functional>

namespace aerolap {

/// The director's remote on the pilots' display server's thread: the page, pairing and signed
/// commands under /remote. It checks who asks (RemoteAccess) and hands each checked command over
/// to the timing thread, answering with what became of it there. Its GETs change nothing.
class RemoteRoutes final : public PhoneRoutes {
public:
    /// Carries a checked command to the timing thread, where `answer` is called with what became
    /// of it.
    using Answer = std::function<void(const RemoteOutcome&)>;
    using HandOver = std::function<void(const RemoteCommand& command, const std::string& deviceName,
                                        Answer answer)>;

    RemoteRoutes(RemoteAccess& access, HandOver handOver, QObject* parent = nullptr);

    /// What the director's page shows beside the pilots' display, as JSON.
    void publishDirectorState(QByteArray json) { m_directorState = std::move(json); }

private:
    QByteArray document(const QString& name) const override;
    void post(const QString& name, const QByteArray& body, QHttpServerResponder responder) override;

    HandOver m_handOver;
    QByteArray m_directorState;
};

} // namespace aerolap
