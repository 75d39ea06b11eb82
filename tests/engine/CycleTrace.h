#pragma once

#include "VirtualTime.h"
#include "engine/CyclePhase.h"
#include "engine/Form1.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace aerolap::testing {

/// Runs virtual time one millisecond at a time and records what the window showed: the running
/// clock's text after every step, the captions of the display and the status line, the phase
/// changes and the landing button's visibility, each with its virtual time.
class CycleTrace {
public:
    template <typename T> struct At {
        long long atMs;
        T value;
        bool operator==(const At&) const = default;
    };

    CycleTrace(VirtualTime& time, Form1& form);

    /// Steps until `done()` holds after a step, for at most `limit`; returns whether it held.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    bool runUntilReady(std::chrono::milliseconds limit);

    /// The moment the clock first showed `text` in the stretch it still showed it just before
    /// `atMs`; `atMs` itself when it did not show it then (it appeared within that step).
    long long firstShown(const std::string& text, long long atMs) const;

    /// The display captions written at `atMs`, in order.
    std::vector<std::string> displayAt(long long atMs) const;

    const std::vector<At<std::string>>& statusLine() const { return m_status; }
    const std::vector<At<CyclePhase>>& phases() const { return m_phases; }
    const std::vector<At<bool>>& landingButton() const { return m_landingButton; }

private:
    void sample();

    VirtualTime& m_time;
    Form1& m_form;
    std::vector<At<std::string>> m_clock;
    std::vector<At<std::string>> m_display;
    std::vector<At<std::string>> m_status;
    std::vector<At<CyclePhase>> m_phases;
    std::vector<At<bool>> m_landingButton;
};

} // namespace aerolap::testing
