#include "CycleTrace.h"

#include <algorithm>

namespace aerolap::testing {

CycleTrace::CycleTrace(VirtualTime& time, Form1& form) : m_time(time), m_form(form) {
    const auto now = [this] { return m_time.elapsed().count(); };
    form.Label2.changed.connect([this, now] {
        m_display.push_back({now(), m_form.Label2.caption()});
    });
    form.Label4.changed.connect([this, now] {
        m_status.push_back({now(), m_form.Label4.caption()});
    });
    form.Command3.visibilityChanged.connect([this, now](bool visible) {
        m_landingButton.push_back({now(), visible});
    });
    m_clock.push_back({now(), form.Clock1.clockTimeText()});
    m_phases.push_back({now(), cyclePhase(form)});
}

void CycleTrace::sample() {
    const long long now = m_time.elapsed().count();
    if (auto text = m_form.Clock1.clockTimeText(); text != m_clock.back().value) {
        m_clock.push_back({now, std::move(text)});
    }
    if (const CyclePhase phase = cyclePhase(m_form); phase != m_phases.back().value) {
        m_phases.push_back({now, phase});
    }
}

bool CycleTrace::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    // Phase changes made by a click between runs are dated to the click.
    sample();
    for (std::chrono::milliseconds waited{0}; waited < limit;
         waited += std::chrono::milliseconds(1)) {
        m_time.advance(std::chrono::milliseconds(1));
        sample();
        if (done()) {
            return true;
        }
    }
    return false;
}

bool CycleTrace::runUntilReady(std::chrono::milliseconds limit) {
    return runUntil([this] { return cyclePhase(m_form) == CyclePhase::Ready; }, limit);
}

long long CycleTrace::firstShown(const std::string& text, long long atMs) const {
    const auto after = std::ranges::upper_bound(m_clock, atMs - 1, {}, &At<std::string>::atMs);
    if (after == m_clock.begin() || std::prev(after)->value != text) {
        return atMs;
    }
    return std::prev(after)->atMs;
}

std::vector<std::string> CycleTrace::displayAt(long long atMs) const {
    std::vector<std::string> captions;
    for (const auto& caption : m_display) {
        if (caption.atMs == atMs) {
            captions.push_back(caption.value);
        }
    }
    return captions;
}

} // namespace aerolap::testing
