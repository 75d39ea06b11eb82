#pragma once

#include "platform/MessageBoxService.h"

#include <deque>
#include <functional>
#include <vector>

namespace aerolap::testing {

/// Answers message boxes from a script and remembers what was asked. With no scripted answer
/// left, OK boxes are answered OK and Yes/No boxes No.
class ScriptedMessageBoxes final : public MessageBoxService {
    std::deque<MessageAnswer> m_answers;
    std::vector<MessageBoxRequest> m_shown;

public:
    /// Runs as each box is shown, before it is answered.
    std::function<void()> beforeAnswer;

    void answerNext(MessageAnswer answer) { m_answers.push_back(answer); }
    const std::vector<MessageBoxRequest>& shown() const { return m_shown; }

    MessageAnswer show(const MessageBoxRequest& request) override {
        m_shown.push_back(request);
        if (beforeAnswer) {
            beforeAnswer();
        }
        if (m_answers.empty()) {
            return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        }
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
};

} // namespace aerolap::testing
