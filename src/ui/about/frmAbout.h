#pragma once

#include "elements/CommandButton.h"
#include "elements/Label.h"
#include "elements/Window.h"
#include "platform/FileExistence.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramLauncher.h"
#include "platform/Registry.h"

#include <string_view>

namespace aerolap {

/// What the about box needs from outside: the registry and file system to find the
/// system-information tool, a way to start it, and message boxes.
struct AboutBoxServices {
    Registry& registry;
    FileExistence& files;
    ProgramLauncher& programs;
    MessageBoxService& messageBoxes;
};

/// The about box without its display: its elements, its handlers and the search for the
/// system-information tool. It is shown once at start-up in front of the hidden main window,
/// and OK hands over to the main window. The view binds to the elements and to `unloaded`.
class frmAbout {
public:
    static constexpr std::string_view kApplicationTitle = "Aerolap";

    frmAbout(const AboutBoxServices& services, Window& mainWindow);

    /// The title bar text is written by `Form_Load`.
    Window window{"", false};
    Label lblTitle{""};
    Label lblVersion{"Versione 3.4.2 del 12-03-2008"};
    Label lblDescription{"ATTENZIONE DISABILITARE SCREEN SAVER, E RISPARMIO ENERGETICO."};
    Label lblDisclaimer{""};
    CommandButton cmdOK{"OK"};
    CommandButton cmdSysInfo{"&System Info..."};

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    bool loaded() const { return m_loaded; }
    /// Raised once the box is unloaded: its window goes away for good.
    Signal<> unloaded;

private:
    /// Finds the tool through the two registry entries and starts it; false when that failed.
    bool startToolFromRegistry();

    AboutBoxServices m_services;
    Window& m_mainWindow;
    bool m_loaded = false;
};

} // namespace aerolap
