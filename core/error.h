#pragma once

#include <stdexcept>
#include <string>

namespace vorn {

// The one exception type of the logic. Its message is written for the author
// and is what the window's general error report shows, so it never carries a
// password or a full request address.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vorn
