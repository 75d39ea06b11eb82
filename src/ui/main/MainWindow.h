#pragma once

#include "MainWindowServices.h"
#include "engine/Form1.h"
#include "engine/TimingEngine.h"
#include "serial/SerialDisplayLink.h"

#include <cstdint>

namespace aerolap {

/// The main window without its display: the elements, every handler connected to them, and the
/// load sequence. The Qt view binds to `form()`; tests drive it directly.
class MainWindow {
public:
    explicit MainWindow(const MainWindowServices& services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Form1& form() { return m_form; }

    void Form_Load();
    /// Any request to close the window. Setting `Cancel` to -1 refuses it.
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode);

private:
    MainWindowServices m_services;
    Form1 m_form;
    TimingEngine m_engine;
    SerialDisplayLink m_displayLink;
};

} // namespace aerolap
