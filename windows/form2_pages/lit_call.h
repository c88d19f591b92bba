#pragma once

#include "request_layer.h"

namespace vorn::win::form2 {

// A direct call with the connection light lime while it runs. The light goes
// back to maroon however the call ends, so a transport failure reported by
// the general error report does not leave it lit as if still busy.
class LitCall {
public:
    explicit LitCall(RequestLayer& layer)
        : m_layer(layer) {
        m_layer.light(Light::Request);
    }
    ~LitCall() { m_layer.light(Light::Idle); }
    LitCall(const LitCall&) = delete;
    LitCall& operator=(const LitCall&) = delete;

private:
    RequestLayer& m_layer;
};

} // namespace vorn::win::form2
