#include "BackgroundSerialPort.h"

#include "platform/CurrentThreadName.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <memory>
#include <utility>

namespace aerolap {

namespace {
std::string portName(std::int16_t port) {
    return "COM" + std::to_string(port);
}
} // namespace

BackgroundSerialPort::BackgroundSerialPort(MakePort makePort, NoticeBoard& notices,
                                           std::chrono::milliseconds retryInterval,
                                           std::function<void()> onThreadStart)
    : m_notices(notices), m_retryInterval(retryInterval), m_onThread(new QObject) {
    m_onThread->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_onThread,
        [this, makePort = std::move(makePort), onThreadStart = std::move(onThreadStart)] {
            nameCurrentThread("LED display");
            if (onThreadStart) {
                onThreadStart();
            }
            m_retryTimer = new QTimer(m_onThread);
            m_retryTimer->setSingleShot(true);
            QObject::connect(m_retryTimer, &QTimer::timeout, m_onThread, [this] { retry(); });
            m_port = makePort([this](const Message& line) {
                if (!m_lost) {
                    m_notices.post(line);
                }
            });
        },
        Qt::BlockingQueuedConnection);
}

BackgroundSerialPort::~BackgroundSerialPort() {
    QMetaObject::invokeMethod(
        m_onThread,
        [this] {
            m_port.reset();
            delete m_onThread;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void BackgroundSerialPort::setCommPort(std::int16_t port) {
    post([this, port] {
        m_commPort = port;
        m_port->setCommPort(port);
    });
}

void BackgroundSerialPort::setSettings(const std::string& settings) {
    post([this, settings] { m_port->setSettings(settings); });
}

bool BackgroundSerialPort::setPortOpen(bool open) {
    if (!open) {
        m_open = false;
    }
    // The director's choice replaces whatever the retries were after.
    return runAndWait([this, open] {
        stopRetrying();
        const bool done = m_port->setPortOpen(open);
        m_open = open && done;
        return done;
    });
}

bool BackgroundSerialPort::output(const std::string& bytes) {
    const bool deliver = m_open && !m_lost;
    // Frames asked for while the device is away are only remembered: written once it is back,
    // they would reach the display late and all at once.
    post([this, bytes, deliver] {
        m_lastFrame = bytes;
        if (deliver) {
            write(bytes);
        }
    });
    return deliver;
}

void BackgroundSerialPort::post(std::function<void()> task) {
    QMetaObject::invokeMethod(m_onThread, std::move(task), Qt::QueuedConnection);
}

bool BackgroundSerialPort::runAndWait(std::function<bool()> task) {
    // 1 done, 0 failed, -1 still running.
    auto answer = std::make_shared<std::atomic<int>>(-1);
    QThread* const caller = QThread::currentThread();
    post([task = std::move(task), answer, caller] {
        answer->store(task() ? 1 : 0);
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(caller)) {
            dispatcher->wakeUp();
        }
    });
    while (answer->load() < 0) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    return answer->load() == 1;
}

void BackgroundSerialPort::write(const std::string& bytes) {
    if (m_lost) {
        return; // handed over before the caller saw the loss
    }
    if (!m_port->output(bytes) || !m_port->portOpen()) {
        m_notices.post({QT_TRANSLATE_NOOP("Message", "LED display lost on %1: the timer runs on; "
                                                     "frames resume when it is back"),
                        {portName(m_commPort)}},
                       aerolap::Notice::Urgency::ActNow);
        lose();
    }
}

void BackgroundSerialPort::lose() {
    m_lost = true;
    m_port->setPortOpen(false);
    m_retryTimer->start(m_retryInterval);
}

void BackgroundSerialPort::retry() {
    if (!m_lost) {
        return;
    }
    if (!m_port->setPortOpen(true)) {
        // Counted from the end of this try, however long the system took over it.
        m_retryTimer->start(m_retryInterval);
        return;
    }
    // Behind the frames asked for while the port was being opened, so that the newest of them is
    // the one the display gets.
    post([this, choice = m_directorsChoices] {
        if (choice != m_directorsChoices) {
            return; // the director has opened or closed the port since
        }
        // A port that opens and fails again at once is still the same loss, told once.
        if (m_lastFrame && (!m_port->output(*m_lastFrame) || !m_port->portOpen())) {
            lose();
            return;
        }
        m_lost = false;
        m_notices.post(
            {QT_TRANSLATE_NOOP("Message", "LED display back on %1"), {portName(m_commPort)}});
    });
}

void BackgroundSerialPort::stopRetrying() {
    ++m_directorsChoices;
    m_lost = false;
    m_retryTimer->stop();
}

} // namespace aerolap
