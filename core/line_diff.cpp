#include "line_diff.h"

#include <algorithm>
#include <cstdint>

namespace vorn {

namespace {

using Lines = std::vector<std::string>;

// Beyond this many removed and added lines the two texts are treated as
// wholly different: the search would cost memory growing with its square.
constexpr std::int64_t kMaxEdits = 2000;

std::vector<DiffLine> wholeChange(std::size_t n, std::size_t m) {
    std::vector<DiffLine> out;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back({DiffKind::Removed, i, 0});
    for (std::size_t j = 0; j < m; ++j)
        out.push_back({DiffKind::Added, n, j});
    return out;
}

// Myers' greedy search for the furthest reaching paths. The frontier is kept
// before every step, only on the diagonals that step can reach, so the path
// can be walked back.
std::vector<DiffLine> shortestEdit(const Lines& a, const Lines& b) {
    const auto n = static_cast<std::int64_t>(a.size());
    const auto m = static_cast<std::int64_t>(b.size());
    const std::int64_t max = std::min(n + m, kMaxEdits);
    std::vector<std::int64_t> v(static_cast<std::size_t>(2 * max + 3), 0);
    const auto at = [max](std::int64_t k) { return static_cast<std::size_t>(k + max + 1); };
    std::vector<std::vector<std::int64_t>> trace;

    std::int64_t found = -1;
    for (std::int64_t d = 0; d <= max && found < 0; ++d) {
        trace.emplace_back(v.begin() + static_cast<std::ptrdiff_t>(at(-d)),
                           v.begin() + static_cast<std::ptrdiff_t>(at(d)) + 1);
        for (std::int64_t k = -d; k <= d; k += 2) {
            std::int64_t x = (k == -d || (k != d && v[at(k - 1)] < v[at(k + 1)]))
                                 ? v[at(k + 1)]
                                 : v[at(k - 1)] + 1;
            std::int64_t y = x - k;
            while (x < n && y < m &&
                   a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)])
                ++x, ++y;
            v[at(k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0) return wholeChange(a.size(), b.size());

    std::vector<DiffLine> out;
    const auto same = [&](std::int64_t x, std::int64_t y) {
        out.push_back({DiffKind::Same, static_cast<std::size_t>(x), static_cast<std::size_t>(y)});
    };
    std::int64_t x = n, y = m;
    for (std::int64_t d = found; d > 0; --d) {
        const auto& row = trace[static_cast<std::size_t>(d)]; // diagonals -d..d before step d
        const auto prev = [&](std::int64_t k) { return row[static_cast<std::size_t>(k + d)]; };
        const std::int64_t k = x - y;
        const std::int64_t prevK =
            (k == -d || (k != d && prev(k - 1) < prev(k + 1))) ? k + 1 : k - 1;
        const std::int64_t prevX = prev(prevK);
        const std::int64_t prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            --x, --y;
            same(x, y);
        }
        if (x == prevX)
            out.push_back(
                {DiffKind::Added, static_cast<std::size_t>(x), static_cast<std::size_t>(--y)});
        else
            out.push_back(
                {DiffKind::Removed, static_cast<std::size_t>(--x), static_cast<std::size_t>(y)});
    }
    while (x > 0 && y > 0) {
        --x, --y;
        same(x, y);
    }
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

std::vector<DiffLine> diffLines(const Lines& oldText, const Lines& newText) {
    // Equal ends cost nothing to set aside and keep the search small.
    std::size_t head = 0;
    while (head < oldText.size() && head < newText.size() && oldText[head] == newText[head])
        ++head;
    std::size_t tail = 0;
    while (tail < oldText.size() - head && tail < newText.size() - head &&
           oldText[oldText.size() - 1 - tail] == newText[newText.size() - 1 - tail])
        ++tail;
    const Lines a(oldText.begin() + static_cast<std::ptrdiff_t>(head),
                  oldText.end() - static_cast<std::ptrdiff_t>(tail));
    const Lines b(newText.begin() + static_cast<std::ptrdiff_t>(head),
                  newText.end() - static_cast<std::ptrdiff_t>(tail));

    std::vector<DiffLine> out;
    for (std::size_t i = 0; i < head; ++i)
        out.push_back({DiffKind::Same, i, i});
    for (DiffLine line : shortestEdit(a, b)) {
        line.oldLine += head;
        line.newLine += head;
        out.push_back(line);
    }
    for (std::size_t i = 0; i < tail; ++i)
        out.push_back({DiffKind::Same, oldText.size() - tail + i, newText.size() - tail + i});
    return out;
}

std::size_t changedLineCount(const std::vector<DiffLine>& diff) {
    return static_cast<std::size_t>(std::count_if(
        diff.begin(), diff.end(), [](const DiffLine& l) { return l.kind != DiffKind::Same; }));
}

} // namespace vorn
