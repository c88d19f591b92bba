#pragma once

#include "page_common.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// Serial script creation: one position script per number of a range, in the
// adventure being edited. Byte strings are cp1252.

inline constexpr const char* kSeriesNeedsName = "Defina o nome comum do script!!!";
inline constexpr const char* kSeriesWritten = "S\xe9rie gravada!!!";
inline constexpr const char* kSeriesEmpty =
    "O \xfaltimo n\xfamero \xe9 menor que o primeiro: nenhum script a produzir!!!";
// The most scripts one series writes, and how many may be written without
// asking first.
inline constexpr std::int64_t kSeriesLimit = 500;
inline constexpr std::int64_t kSeriesConfirmAbove = 40;
inline constexpr const char* kSeriesTooLong =
    "S\xe9rie grande demais: no m\xe1ximo 500 scripts por vez!!!";

// The page's controls as typed.
struct SeriesForm {
    std::string Edit1;          // common name of the scripts
    std::string Edit2 = "1";    // first number
    std::string Edit3 = "2";    // last number
    std::string Edit4;          // common name of the screens; empty: no screen line
    std::string Edit5 = ".png"; // ending of every screen name
    bool Cb1 = true;            // write the position-name line
    bool Cb2 = true;            // write the return-script line
    std::string Memo6;          // closing text, as typed
};

// What a series would write. A number that is not a whole number of the
// project's integer range falls back to 1 (first) or 2 (last).
struct SeriesPlan {
    std::string status; // the refusal to show; "" when the series may be written
    std::int64_t first = 1;
    std::vector<std::string> names; // script names, numbers rising from first
    bool needsConfirmation = false; // more than kSeriesConfirmAbove scripts
};
SeriesPlan planSeries(const SeriesForm& form);

// The question to ask when needsConfirmation is set.
std::string seriesQuestion(const SeriesPlan& plan);

// Edit1 followed by n in plain decimal.
std::string seriesScriptName(const std::string& commonName, std::int64_t n);

// The lines of script n: title, the screen, position and return lines as
// the form asks, the closing text with its own line breaks, "  fim".
std::vector<std::string> seriesScript(const SeriesForm& form, std::int64_t n);

// Writes the planned scripts in rising order with the light lime: a new name
// is created (mobNwScp.php) and stored (vpqPtScp.php); a name in existing
// (from findExistingScripts) is stored over when choice is Replace and left
// alone when it is Skip. Stops at the first refusal, whose text (after the
// script's name) is the status; kSeriesWritten when every script was
// handled. Throws Error when a call fails on the way; the scripts written
// before stay.
struct SeriesOutcome {
    std::string status;
    std::vector<std::string> written;
    std::vector<std::string> skipped;
};
SeriesOutcome writeSeries(RequestLayer& layer, const Session& session, const SeriesForm& form,
                          const SeriesPlan& plan, const std::vector<std::string>& existing,
                          Existing choice, const Progress& progress = {});

} // namespace vorn
