#pragma once

#include "MainWindowServices.h"
#include "WindowBehaviours.h"
#include "engine/Form1.h"
#include "engine/TimingEngine.h"
#include "led_display/SerialDisplayLink.h"
#include "ui/about/frmAbout.h"

#include <cstdint>
#include <memory>

namespace aerolap {

/// The main window without its display: the elements, every handler connected to them, and the
/// load sequence. The Qt view binds to `form()`; tests drive it directly.
class MainWindow {
public:
    explicit MainWindow(const MainWindowServices& services);

    Form1& form() { return m_form; }
    SerialDisplayLink& displayLink() { return m_displayLink; }

    /// Ends by hiding the window and showing the about box in front of it.
    void Form_Load();
    /// Any request to close the window. Setting `Cancel` to -1 refuses it.
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode);
    /// The window is going away without the program having ended.
    void Form_Unload(std::int16_t& Cancel);

    /// The about box, from the end of `Form_Load` on; null before.
    frmAbout* aboutBox() { return m_about.get(); }

private:
    MainWindowServices m_services;
    Form1 m_form;
    TimingEngine m_engine;
    SerialDisplayLink m_displayLink;
    WindowBehaviours m_behaviours;
    std::unique_ptr<frmAbout> m_about;
};

} // namespace aerolap
