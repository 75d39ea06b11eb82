#include "TimingEngine.h"

namespace aerolap {

TimingEngine::TimingEngine(Form1& form, CuePlayer& cues)
    : m_taskOptions(form), m_latchRearm(form), m_cycle(form, cues, m_taskOptions),
      m_preparation(form, cues), m_workingTime(form, cues), m_landing(form, cues, m_cycle),
      m_minuteBeeps(form, cues) {
    form.Option1.clicked.connect([this] { m_taskOptions.Option1_Click(); });
    form.Option2.clicked.connect([this] { m_taskOptions.Option2_Click(); });
    form.Option3.clicked.connect([this] { m_taskOptions.Option3_Click(); });
    form.Option4.clicked.connect([this] { m_taskOptions.Option4_Click(); });

    form.Command5.clicked.connect([this] { m_cycle.Command5_Click(); });
    form.Command7.clicked.connect([this] { m_cycle.Command7_Click(); });
    form.Command2.clicked.connect([this] { m_cycle.Command2_Click(); });
    form.Command3.clicked.connect([this] { m_cycle.Command3_Click(); });

    form.Timer2.tick.connect([this] { m_preparation.Timer2_Timer(); });
    form.Timer6.tick.connect([this] { m_preparation.Timer6_Timer(); });
    form.Timer3.tick.connect([this] { m_workingTime.Timer3_Timer(); });
    form.Timer1.tick.connect([this] { m_landing.Timer1_Timer(); });
    form.Timer4.tick.connect([this] { m_minuteBeeps.Timer4_Timer(); });
    form.Timer5.tick.connect([this] { m_latchRearm.Timer5_Timer(); });
}

} // namespace aerolap
