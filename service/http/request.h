#pragma once

#include <address.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pequenia {

// An uploaded file part: the service names stored files by the Arq key, so
// the file name the form carries is kept only for the log.
struct Upload {
    std::string fileName;
    std::string content;
};

// One call of a server script, with every value as the bytes the client
// meant (percent-escapes decoded, no character set conversion).
struct Request {
    std::string method;
    std::string script; // "scpLog" for /vornpq/wbetz/scpLog.php
    std::map<std::string, std::string> query;
    std::map<std::string, std::string> fields; // multipart text fields
    std::optional<Upload> upload;              // the file field "Img"
    std::string remote;
    std::string host; // the Host header, for addresses the service hands out

    // The value of a key, empty when missing.
    const std::string& get(const std::string& key) const;
    bool has(const std::string& key) const { return query.count(key) != 0; }
    const std::string& field(const std::string& name) const;
};

// Decodes %XX escapes byte for byte and "+" as a blank, as form values are
// read: the client's own decoder.
using vorn::percentDecode;

// Splits "a=1&b=2" into decoded pairs; a key without "=" has an empty value;
// a repeated key keeps its last value.
std::map<std::string, std::string> parseQuery(std::string_view query);

// The query part of a request target ("/x.php?a=1" gives "a=1").
std::string_view queryOf(std::string_view target);

} // namespace pequenia
