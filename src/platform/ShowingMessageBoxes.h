#pragma once

#include "MessageBoxService.h"

namespace aerolap {

/// Message boxes that can say whether one is waiting for an answer. A box runs an event loop of
/// its own, where work queued from elsewhere (a command from the director's remote) would run in
/// the middle of the director's question; whoever queues such work asks here first.
class ShowingMessageBoxes final : public MessageBoxService {
public:
    explicit ShowingMessageBoxes(MessageBoxService& boxes) : m_boxes(boxes) {}

    bool showing() const { return m_open > 0; }

    MessageAnswer show(const MessageBoxRequest& request) override {
        ++m_open;
        const MessageAnswer answer = m_boxes.show(request);
        --m_open;
        return answer;
    }

private:
    MessageBoxService& m_boxes;
    int m_open = 0;
};

} // namespace aerolap
