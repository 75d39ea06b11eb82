#include "TimingEngine.h"

namespace aerolap {

TimingEngine::TimingEngine(Form1& form, CuePlayer& cues)
    : m_form(form), m_cues(cues), m_taskOptions(form), m_latchRearm(form) {
    form.Option1.clicked.connect([this] { m_taskOptions.Option1_Click(); });
    form.Option2.clicked.connect([this] { m_taskOptions.Option2_Click(); });
    form.Option3.clicked.connect([this] { m_taskOptions.Option3_Click(); });
    form.Option4.clicked.connect([this] { m_taskOptions.Option4_Click(); });
    form.Timer5.tick.connect([this] { m_latchRearm.Timer5_Timer(); });
}

} // namespace aerolap
