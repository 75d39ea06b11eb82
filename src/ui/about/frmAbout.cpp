#include "frmAbout.h"

#include "GetKeyValue.h"

#include <exception>

namespace aerolap {
namespace {

constexpr auto kToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto kToolPathValue = "PATH";
constexpr auto kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr auto kToolFolderValue = "MSINFO";
constexpr auto kToolFileName = "\\MSINFO32.EXE";
constexpr auto kUnavailable = "Le informazioni sul sistema non sono attualmente disponibili.";

} // namespace

frmAbout::frmAbout(const AboutBoxServices& services, Window& mainWindow)
    : m_services(services), m_mainWindow(mainWindow) {
    cmdOK.clicked.connect([this] { cmdOK_Click(); });
    cmdSysInfo.clicked.connect([this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load() {
    window.setTitle("Informazioni su " + std::string(kApplicationTitle));
    lblTitle.setCaption(std::string(kApplicationTitle));
    m_loaded = true;
}

void frmAbout::cmdOK_Click() {
    if (!m_loaded) {
        return;
    }
    m_loaded = false;
    window.setVisible(false);
    unloaded.emit();
    m_mainWindow.setVisible(true);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    bool started = false;
    try {
        started = startToolFromRegistry();
    } catch (const std::exception&) {
        // Every failure on the way, a value of no bytes included, ends in the one message below.
    }
    if (!started) {
        m_services.messageBoxes.show(
            {kUnavailable, std::string(kApplicationTitle), MessageIcon::None, MessageButtons::Ok});
    }
}

bool frmAbout::startToolFromRegistry() {
    Registry& registry = m_services.registry;
    if (const auto path =
            registryText(registry, Registry::kLocalMachine, kToolPathKey, kToolPathValue)) {
        return m_services.programs.start(*path);
    }
    const auto folder =
        registryText(registry, Registry::kLocalMachine, kToolFolderKey, kToolFolderValue);
    if (!folder || !m_services.files.normalFileExists(*folder + kToolFileName)) {
        return false;
    }
    return m_services.programs.start(*folder + kToolFileName);
}

} // namespace aerolap
