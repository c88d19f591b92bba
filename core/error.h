#pragma once

#include <stdexcept>
#include <string>

namespace vorn {

// The one exception type of the logic. Its message is written for the author
// and is what the window's general error report shows, so it never carries a
// password or a full request address. Unlike the byte strings of the
// protocol, messages are UTF-8: they mix our own texts with local paths and
// system messages, which are UTF-8 already.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vorn
