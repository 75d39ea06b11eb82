#include "Form1.h"

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
}

} // namespace aerolap
