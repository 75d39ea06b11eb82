#include "MainWindow.h"

#include "engine/StartUpState.h"

namespace aerolap {

MainWindow::MainWindow(const MainWindowServices& services)
    : m_services(services), m_form(services.time), m_engine(m_form, services.cues),
      m_displayLink(m_form, services.serialPort, services.messageBoxes) {}

void MainWindow::Form_Load() {
    m_displayLink.openAtStartUp();
    loadStartUpState(m_form);
    m_form.window.setVisible(true);
}

void MainWindow::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) { Cancel = 0; }

} // namespace aerolap
