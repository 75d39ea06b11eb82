#include "app/SystemServices.h"

#include "audio/PreloadingSoundOutput.h"
#include "audio/SoundCheck.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "systems/qt/BackgroundSerialPort.h"
#include "systems/qt/QtSerialPortControl.h"
#include "systems/windows/ExecutionStateStayAwake.h"
#include "systems/windows/InterruptTimeSource.h"
#include "systems/windows/MmcssThreadPriority.h"
#include "systems/windows/PeriodicFileChangeWatch.h"
#include "systems/windows/Win32PcmPlayback.h"
#include "systems/windows/Win32Registry.h"
#include "systems/windows/Win32RegularFileOpener.h"
#include "systems/windows/Win32TimerResolution.h"
#include "systems/windows/Win32WindowManagerState.h"

#include <QWidget>
#include <QWindow>
#include <iostream>
#include <windows.h>

namespace aerolap {
namespace {

/// Where the cue paths point when nothing else is said.
constexpr const char* kFixedSoundFolder = R"(C:\reriva3rira)";

/// The window system may re-create a window, so its handle is asked for at every use.
std::function<void*()> nativeWindowOf(QWidget& window) {
    return [&window] { return reinterpret_cast<void*>(window.winId()); };
}

std::filesystem::path folderOfThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

/// The cue paths as they are written (C:\reriva3rira\..., C:\zodura3v\..., C:\schedule\...),
/// unless the director chose a folder. A machine without C:\reriva3rira at all holds no club's own
/// recordings: the default set of the director's language beside the program speaks instead, so
/// that an unzipped or installed program is heard.
SoundPaths soundPathsFor(const std::optional<std::filesystem::path>& chosen,
                         const std::filesystem::path& defaultSets, const std::string& language) {
    std::error_code error;
    if (!chosen && std::filesystem::exists(kFixedSoundFolder, error)) {
        return SoundPaths::unchanged();
    }
    const std::filesystem::path root = soundRoot(chosen, defaultSets, language);
    if (!chosen) {
        std::cerr << "aerolap: " << kFixedSoundFolder << " does not exist; the sounds come from "
                  << root.string() << std::endl;
    }
    return SoundPaths::underRoot(root);
}

} // namespace

struct SystemServices::Parts {
    Parts(const std::optional<std::filesystem::path>& soundFolder, const std::string& language,
          NoticeBoard& board)
        : notices(board), chosenFolder(soundFolder.has_value()),
          defaultSets(folderOfThisProgram() / "sounds"),
          paths(soundPathsFor(soundFolder, defaultSets, language)) {}

    NoticeBoard& notices;
    bool chosenFolder;
    std::filesystem::path defaultSets;
    SoundPaths paths;
    InterruptTimeSource time;
    Win32RegularFileOpener files;
    MmcssThreadPriority threadPriority{notices};
    Win32PcmPlayback playback{threadPriority};
    PreloadingSoundOutput output{
        playback, paths.everyCueFile(), std::make_unique<PeriodicFileChangeWatch>(),
        [this](const std::filesystem::path& file) { return decodeSoundFile(file, files); }};
    SoundOutputCuePlayer cues{output, paths};
    Win32Registry registry;
    Win32WindowManagerState mainWindow;
    Win32TimerResolution timerResolution;
    std::unique_ptr<QWindow> taskbarOwner;
};

SystemServices::SystemServices(const std::optional<std::filesystem::path>& soundFolder,
                               const std::string& language, NoticeBoard& notices)
    : m_parts(std::make_unique<Parts>(soundFolder, language, notices)), m_cuePlayer(&m_parts->cues),
      m_registry(&m_parts->registry), m_mainWindowStacking(&m_parts->mainWindow),
      m_timerResolution(&m_parts->timerResolution),
      m_timingThreadPriority(&m_parts->threadPriority) {}

SystemServices::~SystemServices() = default;

const MonotonicSource& SystemServices::time() const {
    return m_parts->time;
}

const SuspendedTime& SystemServices::suspendedTime() const {
    return m_parts->time;
}

std::unique_ptr<SerialPortControl> SystemServices::displayPort(SerialDevices devices) {
    return std::make_unique<BackgroundSerialPort>(
        [devices = std::move(devices)](const BackgroundSerialPort::Notice& notice) {
            return std::make_unique<QtSerialPortControl>(DeviceNaming::Windows,
                                                         SerialAccess::ReadWrite, devices, notice);
        },
        m_parts->notices, BackgroundSerialPort::kRetryInterval,
        [this] { m_parts->threadPriority.raiseTimingThread(); });
}

void SystemServices::adoptMainWindow(QWidget& window) {
    m_parts->mainWindow.attachTo(nativeWindowOf(window));
    keepOutOfTaskbar(window);
}

void SystemServices::keepOutOfTaskbar(QWidget& window) {
    // Windows leaves an owned window off the taskbar. Qt sets a window's owner to its transient
    // parent each time it shows it, so the owner is given that way: one hidden window, made
    // once the application exists and kept until the end.
    if (!m_parts->taskbarOwner) {
        m_parts->taskbarOwner = std::make_unique<QWindow>();
        m_parts->taskbarOwner->create();
    }
    window.winId();
    window.windowHandle()->setTransientParent(m_parts->taskbarOwner.get());
}

std::unique_ptr<StayAwake> SystemServices::stayAwake() {
    return std::make_unique<ExecutionStateStayAwake>();
}

bool SystemServices::checkSounds(std::ostream& out, bool play,
                                 std::span<const std::string_view> languages) {
    const bool allPlay = aerolap::checkSounds(m_parts->paths, m_parts->files, out,
                                              play ? &m_parts->playback : nullptr);
    const bool setsComplete =
        m_parts->chosenFolder ||
        checkDefaultSets(m_parts->defaultSets, languages, m_parts->files, out);
    out << "Output: Windows PlaySound, each file decoded ahead and played from memory\n";
    return allPlay && setsComplete;
}

} // namespace aerolap
