#pragma once

#include "http/reply.h"
#include "http/request.h"
#include "routes/context.h"

namespace pequenia {

// html/quorbel/exescp.php: "Idx", "Pfx" and "Scp", or "Chx" with the same
// three values as hexadecimal digits of "pfx|idx|scp|". Each visit is noted
// in the adventure's player list.
Reply scriptPage(Context& ctx, const Request& req);

// html/quorbel/inicio.php?Pfx=: the adventure's first script.
Reply startPage(Context& ctx, const Request& req);

// Decodes the "Chx" payload; false when it is not hexadecimal digits of a
// "pfx|idx|scp|" text.
bool decodeChx(std::string_view hex, std::string& prefix, std::string& idx, std::string& script);

} // namespace pequenia
