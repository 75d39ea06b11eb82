#include "MainWindow.h"

#include "engine/StartUpState.h"

namespace aerolap {

MainWindow::MainWindow(const MainWindowServices& services)
    : m_services(services), m_form(services.time), m_engine(m_form, services.cues),
      m_displayLink(m_form, services.serialPort, services.messageBoxes),
      m_behaviours(m_form, m_displayLink, services.stacking, services.messageBoxes,
                   services.programExit) {}

void MainWindow::Form_Load() {
    m_displayLink.openAtStartUp();
    loadStartUpState(m_form);

    // Hand-over: the main window stays hidden until the about box's OK.
    m_form.window.setVisible(false);
    if (!m_about) {
        m_about = std::make_unique<frmAbout>(AboutBoxServices{m_services.registry, m_services.files,
                                                              m_services.programs,
                                                              m_services.messageBoxes},
                                             m_form.window);
    }
    m_about->Form_Load();
    m_about->window.setVisible(true);
}

void MainWindow::Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) {
    m_behaviours.Form_QueryUnload(Cancel, UnloadMode);
}

void MainWindow::Form_Unload(std::int16_t& Cancel) {
    m_behaviours.Form_Unload(Cancel);
}

} // namespace aerolap
