#pragma once

#include "platform/Message.h"
#include "platform/WallClock.h"

#include <string>

namespace aerolap {

/// Something the program must tell the director that has no place in the timer's own captions: a
/// lost sound output, a laptop that slept, a file that cannot be written.
struct Notice {
    enum class Urgency {
        /// For the record: the director reads it when they look.
        Info,
        /// The director must do something: the notices come up by themselves.
        ActNow,
    };

    WallClock::TimePoint at;
    /// Put into words where it is shown, in the language of whoever shows it.
    Message message;
    Urgency urgency = Urgency::Info;

    /// Its words in English, the source: the error stream's.
    std::string text() const { return sourceText(message); }

    bool operator==(const Notice&) const = default;
};

} // namespace aerolap
