#pragma once

#include "engine/Form1.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramExit.h"
#include "platform/WindowStacking.h"
#include "led_display/SerialDisplayLink.h"

#include <cstdint>

namespace aerolap {

/// The main window's handlers that are not part of a cycle: always on top, the set-up panel and
/// its automatic close, the check of the preparation time, and the way out of the program.
/// Connects itself to the elements' events; the close request comes from the view.
class WindowBehaviours {
public:
    WindowBehaviours(Form1& form, SerialDisplayLink& displayLink, WindowStacking& stacking,
                     MessageBoxService& messageBoxes, ProgramExit& programExit);
    WindowBehaviours(const WindowBehaviours&) = delete;
    WindowBehaviours& operator=(const WindowBehaviours&) = delete;

    void Check15_Click();
    void Command1_Click();
    void Timer7_Timer();
    void Clock2_clockChanged();
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode);
    void Form_Unload(std::int16_t& Cancel);

private:
    void closePortAndExit();

    Form1& m_form;
    SerialDisplayLink& m_displayLink;
    WindowStacking& m_stacking;
    MessageBoxService& m_messageBoxes;
    ProgramExit& m_programExit;
};

} // namespace aerolap
