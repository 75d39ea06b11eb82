// Aerolap: builds the main window with the services of this machine and runs the event loop.
#include "audio/SystemCuePlayer.h"
#include "platform/ImmediateProgramExit.h"
#include "platform/LocalFileExistence.h"
#include "platform/MonotonicSource.h"
#include "platform/NoRegistry.h"
#include "platform/QtMessageBoxService.h"
#include "platform/QtProgramLauncher.h"
#include "platform/QtSerialPortControl.h"
#include "platform/QtTimerDriver.h"
#include "platform/SerialDeviceNames.h"
#include "platform/X11WindowManagerState.h"
#include "ui/about/frmAboutView.h"
#include "ui/main/Form1View.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aerolap"));

    aerolap::SteadyMonotonicSource time;
    aerolap::SystemCuePlayer cues;
    aerolap::QtSerialPortControl serialPort{aerolap::processEnvironment};
    aerolap::QtMessageBoxService messageBoxes;
    aerolap::X11WindowManagerState stacking;
    aerolap::ImmediateProgramExit programExit;
    aerolap::NoRegistry registry;
    aerolap::LocalFileExistence files;
    aerolap::QtProgramLauncher programs;
    aerolap::MainWindow window(aerolap::MainWindowServices{
        time, cues, serialPort, messageBoxes, stacking, programExit, registry, files, programs});

    aerolap::Form1& form = window.form();
    aerolap::QtTimerDriver timers;
    for (aerolap::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4,
                                  &form.Timer5, &form.Timer6, &form.Timer7}) {
        timers.attach(*timer);
    }

    aerolap::Form1View view(window);
    stacking.attachTo(view);
    // Before the first show: the window manager reads it when the window appears.
    stacking.keepOutOfTaskbar();

    window.Form_Load();
    // Deletes itself when the box is unloaded.
    new aerolap::frmAboutView(*window.aboutBox(), [](QWidget& box) {
        aerolap::X11WindowManagerState(box).keepOutOfTaskbar();
    });

    return QApplication::exec();
}
