#pragma once

#include "Form1.h"

#include <string>

namespace aerolap {

/// The four task options: each sets the working time in `Clock3` and the 3-minute box. They
/// do not touch a running cycle; the Vuz task is decided when START is pressed.
class TaskOptions {
public:
    explicit TaskOptions(Form1& form) : m_form(form) {}

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();

    /// Writes the working time of the selected task to `Clock3`, as RESET does.
    void reapplyWorkingTime();

private:
    void apply(const std::string& workingTime, int check9Value);

    Form1& m_form;
};

} // namespace aerolap
