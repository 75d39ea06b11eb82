#include "app/SystemServices.h"

#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "systems/windows/Win32Registry.h"
#include "systems/windows/Win32SoundOutput.h"
#include "systems/windows/Win32WindowManagerState.h"

#include <QWidget>

namespace aerolap {
namespace {

/// The window system may re-create a window, so its handle is asked for at every use.
std::function<void*()> nativeWindowOf(QWidget& window) {
    return [&window] { return reinterpret_cast<void*>(window.winId()); };
}

} // namespace

struct SystemServices::Parts {
    Win32SoundOutput output;
    // PlaySoundA takes the cue paths as they are written.
    SoundOutputCuePlayer cues{output, SoundPaths::unchanged()};
    Win32Registry registry;
    Win32WindowManagerState mainWindow;
};

SystemServices::SystemServices() : m_parts(std::make_unique<Parts>()) {}

SystemServices::~SystemServices() = default;

CuePlayer& SystemServices::cuePlayer() {
    return m_parts->cues;
}

Registry& SystemServices::registry() {
    return m_parts->registry;
}

DeviceNaming SystemServices::serialDeviceNaming() const {
    return DeviceNaming::Windows;
}

WindowStacking& SystemServices::mainWindowStacking() {
    return m_parts->mainWindow;
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

} // namespace aerolap
