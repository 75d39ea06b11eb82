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

#include <array>
#include <chrono>

namespace aerolap {

/// The main window's state, without any display: every element under the name its handlers were
/// written against, in the state it is created in, with its role in this program, and the cue
/// latches. All of a cycle's state lives here; the phase is not stored but follows from the
/// running timers and the visible buttons. Handlers live elsewhere and act on these elements
/// only. The README's developer section lists the names with their roles.
struct Form1 {
    explicit Form1(const MonotonicSource& time);

    // The window itself, created hidden; the load sequence decides when it is shown.
    Window window{"Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE", false};

    // Window-level elements.
    /// The large time display: mirrors `Clock1`; each change sends a frame to the LED display.
    Label Label2{"00.00.00"};
    /// The status line: READY, the running phase, the landing message.
    Label Label4{"Label4"};
    /// Heading above `Clock2`.
    Label Label3{"PREPARAZIONE"};
    /// Heading above `Clock3`.
    Label Label1{"TEMPO OPERATIVO"};
    /// Hidden, and never shown, read or changed; kept as the window was drawn.
    Label Label8{"Atterraggio", false};
    /// Hidden like `Label8`.
    Label Label7{"Beep", false};
    /// Hidden like `Label8`.
    Label Label9{"azzera variabili", false};
    /// The running clock: counts the phase in hand down; hidden, seen through `Label2`.
    Clock Clock1;
    /// The preparation time, set by the operator.
    Clock Clock2;
    /// The working time: written by the task choice, typed by the operator for TO LIBERO.
    Clock Clock3;
    /// START: begins a cycle with its preparation.
    CommandButton Command5{"START"};
    /// STOP: halts the cycle in any phase; RESET takes its place.
    CommandButton Command7{"STOP"};
    /// RESET: after STOP, back to READY with the full preparation time.
    CommandButton Command2{"RESET"};
    /// The Vuz landing button: ends the working time and opens the landing window at once.
    CommandButton Command3{"ATTERRAGGIO", false};
    /// SETUP, which reads CLOSE while the set-up panel shows: opens and closes it.
    CommandButton Command1{"SETUP"};
    /// The set-up panel, over the status line while it shows.
    Frame Frame1{false};

    // The set-up panel.
    /// Heading of the announcement boxes.
    Label Label5{"VOCE"};
    /// The preparation call at START.
    CheckBox Check2{" PREPARAZIONE"};
    /// The landing call two seconds into the landing window.
    CheckBox Check4{" ATTERRAGGIO"};
    /// The spoken call and the beep at 9 minutes left.
    CheckBox Check1{"TO 9 MINUTI"};
    /// The same at 8 minutes.
    CheckBox Check3{"TO 8 MINUTI"};
    /// The same at 7 minutes.
    CheckBox Check5{"TO 7 MINUTI"};
    /// The same at 6 minutes.
    CheckBox Check6{"TO 6 MINUTI"};
    /// The same at 5 minutes.
    CheckBox Check7{"TO 5 MINUTI"};
    /// The same at 4 minutes.
    CheckBox Check8{"TO 4 MINUTI"};
    /// The same at 3 minutes; the task choice ticks or unticks it too.
    CheckBox Check9{"TO 3 MINUTI"};
    /// The same at 2 minutes.
    CheckBox Check10{"TO 2 MINUTI"};
    /// The same at 1 minute.
    CheckBox Check11{"TO 1 MINUTO"};
    /// The call at 30 seconds left.
    CheckBox Check14{"TO 30 SECONDI"};
    /// Language sign, out of the operator's reach and never read.
    CheckBox Check12{"ITALIANO", false};
    /// Language sign like `Check12`.
    CheckBox Check13{"INGLESE", false};
    /// Every minute beep on or off.
    CheckBox Check16{"BEEP"};
    /// Heading of the task choice.
    Label Label6{"TASK"};
    /// Task of 10 minutes' working time, the default.
    OptionButton Option2{"TO 10 MINUTI"};
    /// Task of 3 minutes' working time.
    OptionButton Option1{"PROVA E"};
    /// Task of the working time typed in `Clock3`; the schedule picks it.
    OptionButton Option3{"TO LIBERO"};
    /// Vuz task: its own preparation count, 3 minutes, and the landing button.
    OptionButton Option4{"VUZ"};
    /// Keeps exactly one of the four tasks selected.
    OptionGroup taskOptions;
    /// Loop: the next cycle starts as soon as the landing window ends.
    CheckBox Check17{"Loop"};
    /// Keeps the window above all others.
    CheckBox Check15{"TIMER IN PRIMO PIANO"};
    /// Heading of the serial port choice.
    Label Label10{"COM"};
    /// The serial port of the LED display.
    ComboBox Combo1{{"1", "2", "3", "4"}, "1"};

    // Timers, all created stopped.
    /// Poll of the landing window.
    Timer Timer1{std::chrono::milliseconds(10)};
    /// Poll of the preparation.
    Timer Timer2{std::chrono::milliseconds(10)};
    /// Poll of the working time and its spoken calls.
    Timer Timer3{std::chrono::milliseconds(10)};
    /// Poll of the minute beeps; never stopped once the first working time began.
    Timer Timer4{std::chrono::milliseconds(10)};
    /// One-shot: clears every cue latch at each phase start (`rearmLatches`).
    Timer Timer5{std::chrono::milliseconds(1)};
    /// Poll of the Vuz task's preparation.
    Timer Timer6{std::chrono::milliseconds(10)};
    /// Closes the set-up panel 20 seconds after the last SETUP or CLOSE.
    Timer Timer7{std::chrono::milliseconds(20000)};

    /// One flag per timed cue, so that each sounds once in its phase.
    CueLatches latches;

    /// Anything a handler could see has changed: a caption, a box, an option, a clock, a click,
    /// a button shown or hidden, a timer started or stopped.
    Signal<> changed;

    /// Every timer of the window, for a driver.
    std::array<Timer*, 7> timers() {
        return {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7};
    }

private:
    /// Lets the 10 ms polls leave out the ticks that cannot change anything: between two seconds
    /// of the running clock, unless something they read changes.
    void letPollsRestBetweenChanges();
};

} // namespace aerolap
