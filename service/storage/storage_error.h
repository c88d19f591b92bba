#pragma once

#include <error.h>

namespace pequenia {

// The disk refused a write (full, read-only, no permission, too large): the
// request is refused with one line and whatever it began is undone.
class StorageError : public vorn::Error {
public:
    using vorn::Error::Error;
};

} // namespace pequenia
