#include "TaskOptions.h"

#include "CycleTexts.h"

namespace aerolap {

namespace {
constexpr const char* kThreeMinutes = "00.03.00";
constexpr const char* kTenMinutes = "00.10.00";
} // namespace

void TaskOptions::apply(const std::string& workingTime, int check9Value) {
    m_form.Clock3.setClockTimeText(workingTime);
    m_form.Label4.setCaption(kReadyAfterTaskChoice);
    m_form.Check9.setValue(check9Value);
}

void TaskOptions::Option1_Click() {
    apply(kThreeMinutes, CheckBox::kUnchecked);
}

void TaskOptions::Option2_Click() {
    apply(kTenMinutes, CheckBox::kChecked);
}

void TaskOptions::Option3_Click() {
    // The free task keeps whatever the operator set; it is written back unchanged.
    apply(m_form.Clock3.clockTimeText(), CheckBox::kChecked);
}

void TaskOptions::Option4_Click() {
    apply(kThreeMinutes, CheckBox::kUnchecked);
}

void TaskOptions::reapplyWorkingTime() {
    if (m_form.Option1.selected()) {
        m_form.Clock3.setClockTimeText(kThreeMinutes);
    } else if (m_form.Option2.selected()) {
        m_form.Clock3.setClockTimeText(kTenMinutes);
    } else if (m_form.Option3.selected()) {
        m_form.Clock3.setClockTimeText(m_form.Clock3.clockTimeText());
    } else if (m_form.Option4.selected()) {
        m_form.Clock3.setClockTimeText(kThreeMinutes);
    }
}

} // namespace aerolap
