#include "app/SystemServices.h"

#include "audio/SoundCheck.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "systems/windows/ExecutionStateStayAwake.h"
#include "systems/windows/Win32Registry.h"
#include "systems/windows/Win32SoundOutput.h"
#include "systems/windows/Win32WindowManagerState.h"

#include <QWidget>
#include <chrono>
#include <thread>

namespace aerolap {
namespace {

/// The window system may re-create a window, so its handle is asked for at every use.
std::function<void*()> nativeWindowOf(QWidget& window) {
    return [&window] { return reinterpret_cast<void*>(window.winId()); };
}

} // namespace

struct SystemServices::Parts {
    // PlaySoundA takes the cue paths as they are written, unless the director named a folder.
    explicit Parts(const std::optional<std::filesystem::path>& soundFolder)
        : paths(soundFolder ? SoundPaths::underRoot(*soundFolder) : SoundPaths::unchanged()) {}

    SoundPaths paths;
    Win32SoundOutput output;
    SoundOutputCuePlayer cues{output, paths};
    Win32Registry registry;
    Win32WindowManagerState mainWindow;
};

SystemServices::SystemServices(
    const std::optional<std::filesystem::path>& soundFolder,
    NoticeBoard& /*notices: Windows's sound and awake hold tell nothing*/)
    : m_parts(std::make_unique<Parts>(soundFolder)), m_cuePlayer(&m_parts->cues),
      m_registry(&m_parts->registry), m_mainWindowStacking(&m_parts->mainWindow) {}

SystemServices::~SystemServices() = default;

DeviceNaming SystemServices::serialDeviceNaming() const {
    return DeviceNaming::Windows;
}

LayoutFonts SystemServices::layoutFonts() const {
    // MS Sans Serif is a bitmap font that Qt does not draw; Microsoft Sans Serif is its outline
    // twin.
    return {QStringLiteral("Arial"), QStringLiteral("Microsoft Sans Serif")};
}

void SystemServices::adoptMainWindow(QWidget& window) {
    m_parts->mainWindow.attachTo(nativeWindowOf(window));
    m_parts->mainWindow.keepOutOfTaskbar();
}

void SystemServices::keepOutOfTaskbar(QWidget& window) {
    Win32WindowManagerState state;
    state.attachTo(nativeWindowOf(window));
    state.keepOutOfTaskbar();
}

std::unique_ptr<StayAwake> SystemServices::stayAwake() {
    return std::make_unique<ExecutionStateStayAwake>();
}

bool SystemServices::checkSounds(std::ostream& out, bool play) {
    CheckedSoundPlayer player;
    if (play) {
        player = [this](const std::string& file, const PcmSound& sound) {
            m_parts->output.playFileAsync(file);
            const double seconds = static_cast<double>(sound.bytes.size()) /
                                   static_cast<double>(sound.bytesPerFrame() * sound.sampleRate);
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds + 0.3));
        };
    }
    const bool allPlay = aerolap::checkSounds(m_parts->paths, out, player);
    out << "Output: Windows PlaySound\n";
    return allPlay;
}

} // namespace aerolap
