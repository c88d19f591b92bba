#pragma once

#include "on_first_use.h"

namespace vorn::win {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

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
