#pragma once

#include "Form1.h"

namespace aerolap {

/// Clears every cue latch on `Timer5`'s next tick: the step of each phase start.
inline void rearmLatches(Form1& form) {
    form.Timer5.setEnabled(true);
}

/// The one-shot re-arm: every phase start enables `Timer5`, whose first tick clears all latches
/// and stops it, so however many handlers enabled it, the latches are cleared once.
class LatchRearm {
public:
    explicit LatchRearm(Form1& form) : m_form(form) {}

    void Timer5_Timer() {
        m_form.latches.clearAll();
        m_form.Timer5.setEnabled(false);
    }

private:
    Form1& m_form;
};

} // namespace aerolap
