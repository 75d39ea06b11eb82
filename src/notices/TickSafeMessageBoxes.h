#pragma once

#include "NoticeBoard.h"
#include "platform/MessageBoxService.h"

#include <functional>
#include <utility>

namespace aerolap {

/// Message boxes that no timer's tick can ever wait on. The operator's own handlers still wait
/// for their boxes; a box asked for while a tick runs would hold the cycle's seconds, cues and
/// frames until somebody answered it, so it becomes a notice for the director instead, answered
/// at once with what leaves everything as it is (OK, or No).
class TickSafeMessageBoxes final : public MessageBoxService {
public:
    using TickRunning = std::function<bool()>;

    TickSafeMessageBoxes(MessageBoxService& boxes, NoticeBoard& notices, TickRunning tickRunning)
        : m_boxes(boxes), m_notices(notices), m_tickRunning(std::move(tickRunning)) {}

    MessageAnswer show(const MessageBoxRequest& request) override {
        if (!m_tickRunning()) {
            return m_boxes.show(request);
        }
        m_notices.post(request.title + ": " + request.text, Notice::Urgency::ActNow);
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }

private:
    MessageBoxService& m_boxes;
    NoticeBoard& m_notices;
    TickRunning m_tickRunning;
};

} // namespace aerolap
