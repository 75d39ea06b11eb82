#include "app/SystemServices.h"

#include "audio/PreloadingSoundOutput.h"
#include "audio/SoundCheck.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "platform/NoRegistry.h"
#include "systems/linux/BootTimeSource.h"
#include "systems/linux/DBusStayAwake.h"
#include "systems/linux/InotifyFileChangeWatch.h"
#include "systems/linux/PosixRegularFileOpener.h"
#include "systems/linux/RealtimeKitPriority.h"
#include "systems/linux/SerialByIdName.h"
#include "systems/linux/ServerOrDevicePlayback.h"
#include "systems/linux/X11WindowManagerState.h"
#include "systems/qt/BackgroundSerialPort.h"
#include "systems/qt/QtSerialPortControl.h"

#include <chrono>
#include <system_error>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

std::filesystem::path folderOfThisProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

/// The installed sets, else the sets beside the program.
std::filesystem::path defaultSoundSets(std::string_view language) {
    const std::filesystem::path programFolder = folderOfThisProgram();
    return findDefaultSets({(programFolder / AEROLAP_SOUNDS_FROM_PROGRAM).lexically_normal(),
                            programFolder / "aerolap-sounds"},
                           language, [](const std::filesystem::path& folder) {
                               std::error_code error;
                               return std::filesystem::is_directory(folder, error);
                           });
}

} // namespace

struct SystemServices::Parts {
    Parts(const std::optional<std::filesystem::path>& soundFolder, const std::string& language,
          NoticeBoard& board)
        : notices(board), chosenFolder(soundFolder.has_value()),
          defaultSets(defaultSoundSets(language)),
          paths(SoundPaths::underRoot(soundRoot(soundFolder, defaultSets, language))) {}

    NoticeBoard& notices;
    bool chosenFolder;
    std::filesystem::path defaultSets;
    SoundPaths paths;
    BootTimeSource time;
    PosixRegularFileOpener files;
    RealtimeKitPriority threadPriority{[] { return QDBusConnection::systemBus(); }, notices};
    ServerOrDevicePlayback playback{notices, [this] { threadPriority.raiseSoundThread(); }};
    PreloadingSoundOutput output{
        playback, paths.everyCueFile(), std::make_unique<InotifyFileChangeWatch>(),
        [this](const std::filesystem::path& file) { return decodeSoundFile(file, files); }};
    SoundOutputCuePlayer cues{output, paths};
    NoRegistry registry;
    X11WindowManagerState mainWindow;
    FineTimersAlready timerResolution;
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
            return std::make_unique<QtSerialPortControl>(
                DeviceNaming::Posix, SerialAccess::WriteOnly, devices, notice,
                [](const std::string& device) { return serialByIdName(device); });
        },
        m_parts->notices, BackgroundSerialPort::kRetryInterval,
        [this] { m_parts->threadPriority.raiseTimingThread(); });
}

void SystemServices::adoptMainWindow(QWidget& window) {
    m_parts->mainWindow.attachTo(window);
    m_parts->mainWindow.keepOutOfTaskbar();
}

void SystemServices::keepOutOfTaskbar(QWidget& window) {
    X11WindowManagerState(window).keepOutOfTaskbar();
}

std::unique_ptr<StayAwake> SystemServices::stayAwake() {
    return std::make_unique<DBusStayAwake>(QDBusConnection::systemBus(),
                                           QDBusConnection::sessionBus(), m_parts->notices);
}

bool SystemServices::checkSounds(std::ostream& out, bool play,
                                 std::span<const std::string_view> languages) {
    ServerOrDevicePlayback& playback = m_parts->playback;
    const std::string output = playback.outputAfterWaiting(2s);
    const bool allPlay =
        aerolap::checkSounds(m_parts->paths, m_parts->files, out, play ? &playback : nullptr);
    const bool setsComplete =
        m_parts->chosenFolder ||
        checkDefaultSets(m_parts->defaultSets, languages, m_parts->files, out);
    out << "Output: " << output << "\n";
    return allPlay && setsComplete;
}

} // namespace aerolap
