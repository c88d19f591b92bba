#include "serial.h"

#include "config.h"
#include "cp1252.h"
#include "error.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

#include <algorithm>

namespace vorn {

SeriesPlan planSeries(const SeriesForm& form) {
    SeriesPlan plan;
    if (form.Edit1.empty()) {
        plan.status = kSeriesNeedsName;
        return plan;
    }
    // The numbers fit in int; their difference is taken in 64 bits.
    plan.first = parseInteger(form.Edit2).value_or(1);
    const std::int64_t last = parseInteger(form.Edit3).value_or(2);
    const std::int64_t count = last - plan.first + 1;
    if (count < 1) {
        plan.status = kSeriesEmpty;
    } else if (count > kSeriesLimit) {
        plan.status = kSeriesTooLong;
    } else {
        for (std::int64_t n = plan.first; n <= last; ++n)
            plan.names.push_back(seriesScriptName(form.Edit1, n));
        plan.needsConfirmation = count > kSeriesConfirmAbove;
    }
    return plan;
}

std::string seriesQuestion(const SeriesPlan& plan) {
    if (plan.names.empty()) return {};
    return "Produzir " + countOf(plan.names.size(), "script", "scripts") + ", de " +
           plan.names.front() + " a " + plan.names.back() + "?";
}

std::string seriesScriptName(const std::string& commonName, std::int64_t n) {
    return commonName + std::to_string(n);
}

std::vector<std::string> seriesScript(const SeriesForm& form, std::int64_t n) {
    const std::string name = seriesScriptName(form.Edit1, n);
    std::vector<std::string> lines{"//=== posi\xe7\xe3o: " + name + " " + std::string(39, '=')};
    if (!form.Edit4.empty())
        lines.push_back("  telpos= " + form.Edit4 + std::to_string(n) + form.Edit5);
    if (form.Cb1) lines.push_back("  setpos= " + name);
    if (form.Cb2) lines.push_back("  retscp= " + name);
    // A final line break of the closing text is a line of its own, and an
    // empty closing text one empty line: hence the line end added here.
    for (auto& line : splitLines(form.Memo6 + "\r\n"))
        lines.push_back(std::move(line));
    lines.emplace_back("  fim");
    return lines;
}

SeriesOutcome writeSeries(RequestLayer& layer, const Session& session, const SeriesForm& form,
                          const SeriesPlan& plan, const std::vector<std::string>& existing,
                          Existing choice, const Progress& progress) {
    SeriesOutcome out;
    if (!plan.status.empty()) {
        out.status = plan.status;
        return out;
    }
    if (session.SesPfx.empty()) {
        out.status = kNoAdventureOpen;
        return out;
    }
    LightScope lit(layer, Light::Request);
    for (std::size_t i = 0; i < plan.names.size(); ++i) {
        const std::string& name = plan.names[i];
        const bool there = std::find(existing.begin(), existing.end(), name) != existing.end();
        if (there && choice == Existing::Skip) {
            out.skipped.push_back(name);
        } else {
            const auto n = plan.first + static_cast<std::int64_t>(i);
            std::string refusal;
            try {
                refusal = createAndStore(layer, session, name, !there,
                                         joinLinesCrLf(seriesScript(form, n)));
            } catch (const Error& e) {
                throw Error("Série interrompida em " + cp1252ToUtf8(name) + ": " + e.what());
            }
            if (!refusal.empty()) {
                out.status = name + ": " + refusal;
                return out;
            }
            out.written.push_back(name);
        }
        if (progress) progress(i + 1, plan.names.size());
    }
    out.status = kSeriesWritten;
    if (!out.skipped.empty())
        out.status += " " + countOf(out.skipped.size(), "script j\xe1 existia e foi mantido.",
                                    "scripts j\xe1 existiam e foram mantidos.");
    return out;
}

} // namespace vorn
