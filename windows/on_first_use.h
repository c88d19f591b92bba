#pragma once

#include <functional>
#include <memory>

namespace vorn::win {

// A window or a page that the first screen does not show, made the first
// time anything reaches for it. Every copy shares it, so it is made once
// whoever asks first.
template <class Window> class OnFirstUse {
public:
    OnFirstUse() = default;
    explicit OnFirstUse(std::function<Window*()> make)
        : m_state(std::make_shared<State>(State{std::move(make), nullptr})) {}

    Window* get() const {
        if (!m_state) return nullptr;
        if (!m_state->window && m_state->make) m_state->window = m_state->make();
        return m_state->window;
    }
    Window* operator->() const { return get(); }
    operator Window*() const { return get(); }
    // Asks without making it: for work that only matters once it exists.
    bool made() const { return m_state && m_state->window; }

private:
    struct State {
        std::function<Window*()> make;
        Window* window;
    };
    std::shared_ptr<State> m_state;
};

} // namespace vorn::win
