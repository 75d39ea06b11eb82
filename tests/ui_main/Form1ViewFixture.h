#pragma once

#include "MainWindowFixture.h"
#include "ui/main/Form1View.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace aerolap::testing {

/// A loaded main window in virtual time with its view on the offscreen screen.
class Form1ViewFixture : public MainWindowFixture {
protected:
    /// The view's widget of element `name`; fails the test when there is none.
    template <typename Widget = QWidget> Widget* widget(const char* name) {
        auto* found = view.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no widget " << name;
        return found;
    }

    Form1View view{window};
};

} // namespace aerolap::testing
