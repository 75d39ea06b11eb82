#include "CycleOnQtTimers.h"

#include "engine/CyclePhase.h"

#include <QCoreApplication>
#include <QTimer>

namespace aerolap::testing {

using namespace std::chrono_literals;

CycleOnQtTimers::CycleOnQtTimers(CuePlayer& cues)
    : m_cues(cues), m_window(m_system.servicesWith(m_time, m_cues, m_serialPort, m_messageBoxes)),
      m_timers(m_time) {
    Form1& form = m_window.form();
    for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                         &form.Timer6, &form.Timer7}) {
        m_timers.attach(*timer);
    }
    m_window.Form_Load();
}

void CycleOnQtTimers::run(std::chrono::milliseconds settle, std::chrono::milliseconds tail,
                          const std::function<void()>& atStart) {
    Form1& form = m_window.form();
    QTimer::singleShot(settle, [&] {
        m_clicked = SteadyClock::now();
        form.Command5.click();
        m_started = form.Clock1.countStartedAt().value_or(SteadyClock::now());
        if (atStart) {
            atStart();
        }
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (m_started != SteadyClock::time_point{} && cyclePhase(form) == CyclePhase::Ready) {
            QTimer::singleShot(tail, QCoreApplication::instance(), &QCoreApplication::quit);
            watch.stop();
        }
    });
    watch.start(100ms);
    QCoreApplication::exec();
}

} // namespace aerolap::testing
