// Aerolap: builds the main window with the services of this machine and runs the event loop.
#include "app/SystemServices.h"
#include "platform/ImmediateProgramExit.h"
#include "platform/LocalFileExistence.h"
#include "platform/MonotonicSource.h"
#include "platform/SerialDeviceNames.h"
#include "systems/qt/QtMessageBoxService.h"
#include "systems/qt/QtProgramLauncher.h"
#include "systems/qt/QtSerialPortControl.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/about/frmAboutView.h"
#include "ui/main/Form1View.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aerolap"));

    aerolap::SystemServices system;
    aerolap::SteadyMonotonicSource time;
    aerolap::QtSerialPortControl serialPort{system.serialDeviceNaming(),
                                            aerolap::processEnvironment};
    aerolap::QtMessageBoxService messageBoxes;
    aerolap::ImmediateProgramExit programExit;
    aerolap::LocalFileExistence files;
    aerolap::QtProgramLauncher programs;
    aerolap::MainWindow window(aerolap::MainWindowServices{
        time, system.cuePlayer(), serialPort, messageBoxes, system.mainWindowStacking(),
        programExit, system.registry(), files, programs});

    aerolap::Form1& form = window.form();
    aerolap::QtTimerDriver timers;
    for (aerolap::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4,
                                  &form.Timer5, &form.Timer6, &form.Timer7}) {
        timers.attach(*timer);
    }

    aerolap::Form1View view(window);
    system.adoptMainWindow(view);

    window.Form_Load();
    // Deletes itself when the box is unloaded.
    new aerolap::frmAboutView(*window.aboutBox(),
                              [&system](QWidget& box) { system.keepOutOfTaskbar(box); });

    return QApplication::exec();
}
