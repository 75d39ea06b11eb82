// Stands in for the login manager (org.freedesktop.login1) and the session's screen saver
// (org.freedesktop.ScreenSaver) on a test's private bus, and prints one line for each thing it is
// asked or sees, for the test to read:
//   inhibit WHAT|WHO|WHY|MODE         the sleep lock was asked for
//   released                          the last holder of a lock's descriptor closed it
//   screensaver-inhibit WHO|WHY COOKIE, screensaver-uninhibit COOKIE
// Usage: stand_in_login_services BUS_ADDRESS serve|refuse|silent. With "refuse", every call gets
// an error answer; with "silent", none. It says "ready" once both names are its own.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class StandIn final : public QDBusVirtualObject {
public:
    enum class Mode { Serve, Refuse, Silent };

    explicit StandIn(Mode mode) : m_mode(mode) {}

    QString introspect(const QString& /*path*/) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QList<QVariant> arguments = message.arguments();
        const auto text = [&arguments](int index) { return arguments.value(index).toString(); };
        if (m_mode == Mode::Silent) {
            return true;
        }
        if (m_mode == Mode::Refuse) {
            connection.send(
                message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                                         QStringLiteral("refused for the test")));
            return true;
        }
        if (message.member() == QLatin1String("Inhibit") && arguments.size() == 4) {
            say(QStringLiteral("inhibit ") + text(0) + u'|' + text(1) + u'|' + text(2) + u'|' +
                text(3));
            connection.send(message.createReply(QVariant::fromValue(sleepLock())));
        } else if (message.member() == QLatin1String("Inhibit")) {
            const uint cookie = ++m_lastCookie;
            say(QStringLiteral("screensaver-inhibit %1|%2 %3").arg(text(0), text(1)).arg(cookie));
            connection.send(message.createReply(cookie));
        } else if (message.member() == QLatin1String("UnInhibit")) {
            say(QStringLiteral("screensaver-uninhibit %1").arg(arguments.value(0).toUInt()));
            connection.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

private:
    /// A pipe's write end, as logind hands out: the read end tells when the last holder closes it.
    QDBusUnixFileDescriptor sleepLock() {
        int ends[2];
        if (::pipe(ends) != 0) {
            return {};
        }
        auto* watch = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
        QObject::connect(watch, &QSocketNotifier::activated, watch, [watch, readEnd = ends[0]] {
            char byte = 0;
            if (::read(readEnd, &byte, 1) <= 0) {
                say(QStringLiteral("released"));
                watch->setEnabled(false);
            }
        });
        QDBusUnixFileDescriptor lock(ends[1]); // a copy of its own
        ::close(ends[1]);
        return lock;
    }

    Mode m_mode;
    uint m_lastCookie = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        return 2;
    }
    QDBusConnection bus =
        QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("stand-in"));
    const QLatin1String mode(argv[2]);
    StandIn standIn(mode == QLatin1String("refuse")   ? StandIn::Mode::Refuse
                    : mode == QLatin1String("silent") ? StandIn::Mode::Silent
                                                      : StandIn::Mode::Serve);
    if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), &standIn) ||
        !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &standIn) ||
        !bus.registerService(QStringLiteral("org.freedesktop.login1")) ||
        !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"))) {
        return 1;
    }
    say(QStringLiteral("ready"));
    return QCoreApplication::exec();
}
