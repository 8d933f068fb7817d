// The pages zelmo-panel serve shows: the report of the latest render, made live, or the screen's
// errors, each shown at its line and column.
#pragma once

#include <cstdint>
#include <string>

namespace panel {

// The report page `report`, allowed to reach back to the server and given the script that reloads
// it, keeping zoom, step, selected pixel and scroll, when version `version` is superseded.
std::string livePage(std::string report, uint64_t version);

// A page in place of the picture: `messages` (zelmo-panel's error output, one per line, most as
// FILE:LINE:COLUMN: text) with, under each placed error, that line of `screenText` and a mark at
// its column. It reloads as the live page does.
std::string errorPage(const std::string& screenName, const std::string& screenText,
                      const std::string& messages, uint64_t version);

// The text of a server-sent event announcing version `version`.
std::string eventData(uint64_t version, bool ok);

}  // namespace panel
