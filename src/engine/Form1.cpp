#include "Form1.h"

#include <array>

namespace aerolap {

Form1::Form1(const MonotonicSource& time)
    : Clock1(time, /*visible=*/false, /*editable=*/false),
      Clock2(time, /*visible=*/true, /*editable=*/true),
      Clock3(time, /*visible=*/true, /*editable=*/true) {
    for (OptionButton* option : {&Option1, &Option2, &Option3, &Option4}) {
        taskOptions.add(*option);
    }
    for (Timer* poll : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) {
        poll->keepInStepWith([this] { return Clock1.countStartedAt(); });
    }
    letPollsRestBetweenChanges();
}

void Form1::letPollsRestBetweenChanges() {
    // The 10 ms polls read the running clock, the labels they write, the boxes and the latches;
    // `Timer5` clears the latches and the one-shot re-arm itself never rests.
    const std::array polls{&Timer1, &Timer2, &Timer3, &Timer4, &Timer6};
    for (Timer* poll : polls) {
        poll->restBetweenChanges(
            [this](Timer::TimePoint moment) { return Clock1.nextTextChangeAfter(moment); });
    }
    // Every change a handler could see wakes them all, clicks and timers included: a latch is
    // only ever cleared by `Timer5`, which stops itself right after, and one set by a poll can
    // only silence a row. It is what the window tells as `changed`, too.
    const auto wakePolls = [this, polls] {
        for (Timer* poll : polls) {
            poll->wake();
        }
        changed.emit();
    };
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8,
                         &Label9, &Label10}) {
        label->changed.connect(wakePolls);
    }
    for (CheckBox* box :
         {&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8, &Check9, &Check10,
          &Check11, &Check12, &Check13, &Check14, &Check15, &Check16, &Check17}) {
        box->clicked.connect(wakePolls);
    }
    for (OptionButton* option : {&Option1, &Option2, &Option3, &Option4}) {
        option->selectionChanged.connect([wakePolls](bool) { wakePolls(); });
    }
    Combo1.textChanged.connect(wakePolls);
    for (CommandButton* button : {&Command1, &Command2, &Command3, &Command5, &Command7}) {
        button->clicked.connect(wakePolls);
        button->visibilityChanged.connect([wakePolls](bool) { wakePolls(); });
    }
    for (Clock* clock : {&Clock1, &Clock2, &Clock3}) {
        clock->textWritten.connect(wakePolls);
        clock->clockChanged.connect(wakePolls);
        clock->countStartedOrStopped.connect(wakePolls);
    }
    for (Timer* timer : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7}) {
        timer->runningChanged.connect([wakePolls](bool) { wakePolls(); });
    }
}

} // namespace aerolap
