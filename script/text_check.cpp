#include "text_check.h"

#include "line_syntax.h"
#include "messages.h"

#include <algorithm>
#include <cstring>

namespace vorn {
namespace {

// The lines of the work copy, read from the bytes: annotations are passed
// over, lines that hold only blanks read as empty.
class WorkLines {
public:
    explicit WorkLines(std::string_view bytes)
        : m_bytes(bytes) {}

    // The next line of the work copy and its index in the text; false at
    // the end.
    bool next(std::string_view& line, std::string_view& trimmed, std::size_t& origin) {
        while (m_at < m_bytes.size()) {
            const std::size_t start = m_at;
            const std::size_t end = std::min(after(m_cr, '\r', start), after(m_lf, '\n', start));
            if (end == m_bytes.size()) {
                m_at = m_bytes.size();
            } else {
                const bool crLf =
                    m_bytes[end] == '\r' && end + 1 < m_bytes.size() && m_bytes[end + 1] == '\n';
                m_at = end + (crLf ? 2 : 1);
            }
            line = m_bytes.substr(start, end - start);
            origin = m_origin++;
            trimmed = trimBlanks(line);
            if (trimmed.starts_with(kAnnotationPrefix)) continue;
            if (trimmed.empty()) line = {};
            return true;
        }
        return false;
    }

private:
    // The first "c" at or after "from", with "next" remembering the last one
    // found: each search runs over the text once, with the C library's fast
    // search rather than byte by byte.
    std::size_t after(std::size_t& next, char c, std::size_t from) const {
        if (next == kUnknown || next < from) {
            const void* at = std::memchr(m_bytes.data() + from, c, m_bytes.size() - from);
            next = at ? static_cast<std::size_t>(static_cast<const char*>(at) - m_bytes.data())
                      : m_bytes.size();
        }
        return next;
    }

    std::string_view m_bytes;
    static constexpr std::size_t kUnknown = std::string_view::npos;
    std::size_t m_cr = kUnknown;
    std::size_t m_lf = kUnknown;
    std::size_t m_at = 0;
    std::size_t m_origin = 0;
};

// What a check consults, built in one pass over the bytes: the labels and
// where the "boxoff" lines stand. The lines themselves stay in the bytes.
CheckContext scanContext(std::string_view bytes, const AdventureLimits& limits,
                         const ScriptNameSet& scripts) {
    CheckContext context = makeCheckContext({}, limits, scripts);
    WorkLines lines(bytes);
    std::string_view line, trimmed;
    std::size_t origin = 0;
    for (std::size_t index = 0; lines.next(line, trimmed, origin); ++index) {
        context.work.labels.add(trimmed);
        if (trimmed == "boxoff") context.work.boxoffs.push_back(index);
    }
    return context;
}

} // namespace

std::size_t checkScriptText(std::string_view bytes, const AdventureLimits& limits,
                            const std::vector<std::string>& scriptNames,
                            const std::function<void(const CheckedLineView&)>& onLine,
                            const std::function<void(const Fault&)>& onFault) {
    return checkScriptText(bytes, limits, ScriptNameSet(scriptNames), onLine, onFault);
}

std::size_t checkScriptText(std::string_view bytes, const AdventureLimits& limits,
                            const ScriptNameSet& scripts,
                            const std::function<void(const CheckedLineView&)>& onLine,
                            const std::function<void(const Fault&)>& onFault) {
    const CheckContext context = scanContext(bytes, limits, scripts);
    std::size_t faults = 0;
    WorkLines lines(bytes);
    std::string_view line, trimmed;
    std::size_t origin = 0;
    for (std::size_t index = 0; lines.next(line, trimmed, origin); ++index) {
        if (trimmed.empty()) {
            onLine({line, LineStyle::Plain, origin});
            continue;
        }
        if (trimmed.starts_with(kCommentPrefix)) {
            onLine({line, LineStyle::Comment, origin});
            continue;
        }
        const std::size_t first = index;
        std::string message = CheckLine(trimmed, context, index);
        if (!message.empty()) {
            ++faults;
            onLine({annotationLine(message), LineStyle::Annotation, origin});
            onFault({origin, std::move(message)});
        }
        // A free text block: its "boxon" line and text go out untouched up
        // to the "boxoff" line the check moved the index to.
        for (std::size_t i = first; i < index; ++i) {
            onLine({line, LineStyle::FreeText, origin});
            lines.next(line, trimmed, origin);
        }
        onLine({line, trimmedLineStyle(trimmed), origin});
    }
    return faults;
}

} // namespace vorn
