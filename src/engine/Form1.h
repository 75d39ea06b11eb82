#pragma once

#include "CueLatches.h"
#include "elements/CheckBox.h"
#include "elements/Clock.h"
#include "elements/ComboBox.h"
#include "elements/CommandButton.h"
#include "elements/Frame.h"
#include "elements/Label.h"
#include "elements/OptionButton.h"
#include "elements/Timer.h"
#include "elements/Window.h"
#include "platform/MonotonicSource.h"

#include <chrono>

namespace aerolap {

/// The main window's state, without any display: every element under its own name, in the
/// state it is created in, and the cue latches. All of a cycle's state lives here; the phase is
/// not stored but follows from the running timers and the visible buttons. Handlers live
/// elsewhere and act on these elements only.
struct Form1 {
    explicit Form1(const MonotonicSource& time);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window itself, created hidden; the load sequence decides when it is shown.
    Window window{"Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE", false};

    // Window-level elements.
    Label Label2{"00.00.00"};
    Label Label4{"Label4"};
    Label Label3{"PREPARAZIONE"};
    Label Label1{"TEMPO OPERATIVO"};
    Label Label8{"Atterraggio", false};
    Label Label7{"Beep", false};
    Label Label9{"azzera variabili", false};
    Clock Clock1;
    Clock Clock2;
    Clock Clock3;
    CommandButton Command5{"START"};
    CommandButton Command7{"STOP"};
    CommandButton Command2{"RESET"};
    CommandButton Command3{"ATTERRAGGIO", false};
    CommandButton Command1{"SETUP"};
    Frame Frame1{false};

    // The set-up panel.
    Label Label5{"VOCE"};
    CheckBox Check2{" PREPARAZIONE"};
    CheckBox Check4{" ATTERRAGGIO"};
    CheckBox Check1{"TO 9 MINUTI"};
    CheckBox Check3{"TO 8 MINUTI"};
    CheckBox Check5{"TO 7 MINUTI"};
    CheckBox Check6{"TO 6 MINUTI"};
    CheckBox Check7{"TO 5 MINUTI"};
    CheckBox Check8{"TO 4 MINUTI"};
    CheckBox Check9{"TO 3 MINUTI"};
    CheckBox Check10{"TO 2 MINUTI"};
    CheckBox Check11{"TO 1 MINUTO"};
    CheckBox Check14{"TO 30 SECONDI"};
    CheckBox Check12{"ITALIANO", false};
    CheckBox Check13{"INGLESE", false};
    CheckBox Check16{"BEEP"};
    Label Label6{"TASK"};
    OptionButton Option2{"TO 10 MINUTI"};
    OptionButton Option1{"PROVA E"};
    OptionButton Option3{"TO LIBERO"};
    OptionButton Option4{"VUZ"};
    OptionGroup taskOptions;
    CheckBox Check17{"Loop"};
    CheckBox Check15{"TIMER IN PRIMO PIANO"};
    Label Label10{"COM"};
    ComboBox Combo1{{"1", "2", "3", "4"}, "1"};

    // Timers, all created stopped.
    Timer Timer1{std::chrono::milliseconds(10)};
    Timer Timer2{std::chrono::milliseconds(10)};
    Timer Timer3{std::chrono::milliseconds(10)};
    Timer Timer4{std::chrono::milliseconds(10)};
    Timer Timer5{std::chrono::milliseconds(1)};
    Timer Timer6{std::chrono::milliseconds(10)};
    Timer Timer7{std::chrono::milliseconds(20000)};

    CueLatches latches;
};

} // namespace aerolap
