#include "WindowBehaviours.h"

namespace aerolap {
namespace {

constexpr auto kSetupCaption = "SETUP";
constexpr auto kCloseCaption = "CLOSE";
constexpr auto kRefusedPreparationTime = "00.00.00";
constexpr auto kReplacementPreparationTime = "00.00.09";
constexpr std::int16_t kCancel = -1;

} // namespace

WindowBehaviours::WindowBehaviours(Form1& form, SerialDisplayLink& displayLink,
                                   WindowStacking& stacking, MessageBoxService& messageBoxes,
                                   ProgramExit& programExit)
    : m_form(form), m_displayLink(displayLink), m_stacking(stacking), m_messageBoxes(messageBoxes),
      m_programExit(programExit) {
    form.Check15.clicked.connect([this] { Check15_Click(); });
    form.Command1.clicked.connect([this] { Command1_Click(); });
    form.Timer7.tick.connect([this] { Timer7_Timer(); });
    form.Clock2.clockChanged.connect([this] { Clock2_clockChanged(); });
}

void WindowBehaviours::Check15_Click() {
    m_stacking.setTopmost(m_form.Check15.value() == CheckBox::kChecked);
}

void WindowBehaviours::Command1_Click() {
    // Every click, opening or closing, restarts the 20 seconds.
    m_form.Timer7.setEnabled(true);
    if (m_form.Command1.caption() == kSetupCaption) {
        m_form.Frame1.setVisible(true);
        m_form.Command1.setCaption(kCloseCaption);
    } else {
        m_form.Command1.setCaption(kSetupCaption);
        m_form.Frame1.setVisible(false);
    }
}

void WindowBehaviours::Timer7_Timer() {
    m_form.Command1.setCaption(kSetupCaption);
    m_form.Frame1.setVisible(false);
    m_form.Timer7.setEnabled(false);
}

void WindowBehaviours::Clock2_clockChanged() {
    if (m_form.Clock2.clockTimeText() == kRefusedPreparationTime) {
        m_messageBoxes.show({"Il valore non puo essere 00.00.00", "InfoMessage",
                             MessageIcon::Critical, MessageButtons::Ok});
        m_form.Clock2.setClockTimeText(kReplacementPreparationTime);
    }
    // The time display is left alone: it takes the new time when the engine next copies Clock1.
    m_form.Clock1.setClockTimeText(m_form.Clock2.clockTimeText());
}

void WindowBehaviours::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) {
    const MessageAnswer answer = m_messageBoxes.show(
        {"Vuoi uscire da programma?", "Aerolap ", MessageIcon::None, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes) {
        closePortAndExit();
        return;
    }
    Cancel = kCancel;
}

void WindowBehaviours::Form_Unload(std::int16_t& /*Cancel*/) {
    closePortAndExit();
}

void WindowBehaviours::closePortAndExit() {
    m_displayLink.closeAtExit();
    m_programExit.exitNow();
}

} // namespace aerolap
