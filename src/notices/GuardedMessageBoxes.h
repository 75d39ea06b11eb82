#pragma once

#include "NoticeBoard.h"
#include "platform/MessageBoxService.h"

#include <functional>
#include <utility>

namespace aerolap {

/// The program's message boxes, which no timer's tick ever waits on, and which say whether one
/// waits for the director's answer. The operator's own handlers still wait for their boxes; a box
/// asked for while a tick runs would hold the cycle's seconds, cues and frames until somebody
/// answered it, so it becomes a notice instead, answered at once with what leaves everything as
/// it is (OK, or No). A box runs an event loop of its own, where work queued from elsewhere (a
/// command from the director's remote) would run in the middle of the question: whoever queues
/// such work asks `showing` first.
class GuardedMessageBoxes final : public MessageBoxService {
public:
    using TickRunning = std::function<bool()>;

    GuardedMessageBoxes(MessageBoxService& boxes, NoticeBoard& notices, TickRunning tickRunning)
        : m_boxes(boxes), m_notices(notices), m_tickRunning(std::move(tickRunning)) {}

    bool showing() const { return m_open > 0; }

    MessageAnswer show(const MessageBoxRequest& request) override {
        if (m_tickRunning()) {
            // The box's own words stay as the program has them, in every language.
            m_notices.post({QT_TRANSLATE_NOOP("Message", "%1: %2"), {request.title, request.text}},
                           Notice::Urgency::ActNow);
            return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        }
        ++m_open;
        const MessageAnswer answer = m_boxes.show(request);
        --m_open;
        return answer;
    }

private:
    MessageBoxService& m_boxes;
    NoticeBoard& m_notices;
    TickRunning m_tickRunning;
    int m_open = 0;
};

} // namespace aerolap
