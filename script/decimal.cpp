#include "decimal.h"

#include <limits>

namespace vorn {

std::optional<std::int64_t> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Up to 18 digits cannot overflow: the common short number takes the
    // plain loop.
    if (text.size() <= 18) {
        std::int64_t value = 0;
        for (const char c : text) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return negative ? -value : value;
    }
    // Accumulate towards the sign's side so that the most negative value
    // fits as well as the most positive one.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool saturated = false;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (saturated) continue;
        const int digit = c - '0';
        if (negative) {
            if (value < (kMin + digit) / 10) {
                value = kMin;
                saturated = true;
            } else {
                value = value * 10 - digit;
            }
        } else if (value > (kMax - digit) / 10) {
            value = kMax;
            saturated = true;
        } else {
            value = value * 10 + digit;
        }
    }
    return value;
}

} // namespace vorn
