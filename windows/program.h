#pragma once

#include "forms.h"

#include <memory>

namespace vorn::win {

// The six windows, created once in their order (the editor and the map
// maker when first reached) and destroyed at the end,
// the main window last so that its logout call still has everything.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Forms& forms() const { return m_forms; }
    // Shows the main window; the edit tools window shows itself on creation.
    void start();

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm6> m_form6;
    Forms m_forms;
};

} // namespace vorn::win
