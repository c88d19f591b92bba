#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vorn {

using Key = std::pair<std::string_view, std::string_view>;

// Percent-encodes the bytes that would change an address if they stood raw in
// a value: "&", "=", "#", "%", "+", "?", blank, controls and every byte above
// 0x7E. Everything else goes as it is, so ordinary names stay readable in the
// service's log.
std::string encodeValue(std::string_view value);
// The reverse, byte for byte: "%XX" escapes and "+" as a blank; a "%" that
// starts no escape stays as it is. No character set conversion.
std::string percentDecode(std::string_view text);

// base + script + "?Login=" + login + "&Senha=" + senha, then "&key=value" for
// each further key in the given order.
std::string serverAddress(std::string_view base, std::string_view script, std::string_view login,
                          std::string_view senha, std::initializer_list<Key> keys = {});

// A page shown in a browser: base + page, then the keys with "?" before the
// first and "&" before the others; no login.
std::string pageAddress(std::string_view base, std::string_view page,
                        std::initializer_list<Key> keys = {});

// The host part of an address ("127.0.0.1", "::1", "example.org").
std::string addressHost(std::string_view address);

// True for localhost and addresses in 127.0.0.0/8 or ::1.
bool isLoopbackAddress(std::string_view address);

} // namespace vorn
