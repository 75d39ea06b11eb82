#pragma once

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace aerolap {

/// A list of callbacks raised in the order they were connected. Elements use it for the events
/// their handlers and views listen to; everything lives as long as the window, so there is no
/// disconnection.
template <typename... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    void connect(Slot slot) { m_slots.push_back(std::move(slot)); }

    void emit(Args... args) const {
        // Index loop: a slot may connect further slots while the signal is being raised.
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            m_slots[i](args...);
        }
    }

private:
    std::vector<Slot> m_slots;
};

/// Stores `value` in `member` and raises `changed` with `args`, unless `member` already holds it:
/// rewriting the same value, as the 10 ms polls do, causes nothing downstream.
template <typename T, typename... Args>
void storeAndRaise(T& member, const std::type_identity_t<T>& value, const Signal<Args...>& changed,
                   std::type_identity_t<Args>... args) {
    if (value == member) {
        return;
    }
    member = value;
    changed.emit(args...);
}

} // namespace aerolap
