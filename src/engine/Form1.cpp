#include "Form1.h"

namespace aerolap {

Form1::Form1(const MonotonicSource& time)
    : Clock1(time, /*visible=*/false, /*editable=*/false),
      Clock2(time, /*visible=*/true, /*editable=*/true),
      Clock3(time, /*visible=*/true, /*editable=*/true) {
    for (OptionButton* option : {&Option1, &Option2, &Option3, &Option4}) {
        taskOptions.add(*option);
    }
}

} // namespace aerolap
