#include "NoticeBoard.h"

#include <algorithm>
#include <utility>

namespace aerolap {

namespace {

/// A notice is one line wherever it goes, whatever a file name inside it holds.
std::string oneLine(std::string text) {
    std::ranges::replace_if(
        text, [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

Message onOneLine(Message message) {
    message.id = oneLine(std::move(message.id));
    std::ranges::transform(message.args, message.args.begin(), oneLine);
    return message;
}

} // namespace

void NoticeBoard::post(Message message, Notice::Urgency urgency) {
    // One lock from the clock to the listeners: notices from two threads reach the stream, the
    // entries and every listener in the same order.
    const std::lock_guard lock(m_mutex);
    m_entries.push_back(Notice{m_clock.now(), onOneLine(std::move(message)), urgency});
    if (m_entries.size() > kKeptEntries) {
        m_entries.pop_front();
    }
    const Notice& notice = m_entries.back();
    m_errors << "aerolap: " << notice.text() << std::endl;
    for (const auto& [number, listener] : m_listeners) {
        listener(notice);
    }
}

std::vector<Notice> NoticeBoard::entries() const {
    const std::lock_guard lock(m_mutex);
    return {m_entries.begin(), m_entries.end()};
}

std::size_t NoticeBoard::listen(Listener listener) {
    const std::lock_guard lock(m_mutex);
    for (const Notice& notice : m_entries) {
        listener(notice);
    }
    m_listeners.emplace_back(++m_lastListener, std::move(listener));
    return m_lastListener;
}

void NoticeBoard::stopListening(std::size_t listener) {
    const std::lock_guard lock(m_mutex);
    std::erase_if(m_listeners, [listener](const auto& each) { return each.first == listener; });
}

} // namespace aerolap
