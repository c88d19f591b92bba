#pragma once

#include <functional>
#include <memory>

namespace vorn::win {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

// A window that the first screen does not show, made the first time anything
// reaches for it. Every copy of the six windows' list shares it, so it is
// made once whoever asks first.
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

// The six windows, which read and drive one another directly.
struct Forms {
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    OnFirstUse<TForm4> Form4;
    TForm5* Form5 = nullptr;
    OnFirstUse<TForm6> Form6;
};

} // namespace vorn::win
