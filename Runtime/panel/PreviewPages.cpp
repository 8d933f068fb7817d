#include "panel/PreviewPages.h"

#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "panel/MarkupText.h"

namespace panel {

namespace {

// Reloads the page when the server announces another version. The report's view is kept in the
// tab's session storage across the reload, and across any error page between two reports.
constexpr std::string_view kLiveScript = R"live(<script>
(() => {
  const version = @VERSION@;
  const key = "zelmo-serve-view";
  const live = () => { document.body.dataset.live = String(version); };
  const restore = () => {
    const saved = sessionStorage.getItem(key);
    if (!saved || !window.reportView) return live();
    Promise.resolve(window.reportView.set(JSON.parse(saved))).catch(() => {}).finally(live);
  };
  if (!window.reportView || document.body.dataset.ready === "true") restore();
  else document.addEventListener("reportready", restore, { once: true });
  const badge = document.createElement("div");
  badge.id = "live-badge";
  badge.style.cssText = "position:fixed;right:10px;top:8px;padding:2px 8px;border-radius:3px;" +
      "font:12px sans-serif;background:#2e7d32;color:#fff;z-index:10";
  badge.textContent = "live: render " + version;
  document.body.append(badge);
  const events = new EventSource("/events");
  events.onopen = () => { badge.style.background = "#2e7d32"; badge.textContent = "live: render " + version; };
  events.onerror = () => { badge.style.background = "#8a96a3"; badge.textContent = "zelmo-panel serve is not answering"; };
  events.onmessage = (e) => {
    if (JSON.parse(e.data).version === version) return;
    if (window.reportView && document.body.dataset.ready === "true")
      sessionStorage.setItem(key, JSON.stringify(window.reportView.get()));
    location.reload();
  };
})();
</script>
)live";

std::string liveScript(uint64_t version) {
  std::string script(kLiveScript);
  const std::string marker = "@VERSION@";
  script.replace(script.find(marker), marker.size(), std::to_string(version));
  return script;
}

std::string withLiveScript(std::string page, uint64_t version) {
  const size_t end = page.rfind("</body>");
  page.insert(end == std::string::npos ? page.size() : end, liveScript(version));
  return page;
}

// The characters of a line of UTF-8 up to column `column` (from 1), as spaces, so that a mark
// after them stands under that column.
std::string padTo(const std::string& line, int64_t column) {
  std::string pad;
  int64_t characters = 0;
  for (size_t i = 0; i < line.size() && characters + 1 < column; ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;  // continuation byte
    pad += line[i] == '\t' ? '\t' : ' ';
    ++characters;
  }
  return pad;
}

// Where a message is placed: FILE:LINE:COLUMN: at its start, the first such in the line.
struct Place {
  int64_t line = 0, column = 0;
};
std::optional<Place> placeOf(const std::string& message) {
  // A number of at most nine digits, then `end`; advances `at` past both.
  const auto number = [&](size_t& at, std::string_view end, int64_t& value) {
    const size_t start = at;
    value = 0;
    while (at < message.size() && at - start < 9 && message[at] >= '0' && message[at] <= '9')
      value = value * 10 + (message[at++] - '0');
    if (at == start || message.compare(at, end.size(), end) != 0) return false;
    at += end.size();
    return true;
  };
  for (size_t colon = message.find(':'); colon != std::string::npos;
       colon = message.find(':', colon + 1)) {
    Place place;
    size_t at = colon + 1;
    if (colon > 0 && number(at, ":", place.line) && number(at, ": ", place.column)) return place;
  }
  return std::nullopt;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::string livePage(std::string report, uint64_t version) {
  // The report, a file opened from disk, may reach nothing; served, it listens to the server.
  const std::string policy = "default-src 'none';";
  if (const size_t at = report.find(policy); at != std::string::npos)
    report.insert(at + policy.size(), " connect-src 'self';");
  return withLiveScript(std::move(report), version);
}

std::string errorPage(const std::string& screenName, const std::string& screenText,
                      const std::string& messages, uint64_t version) {
  const std::vector<std::string> source = linesOf(screenText);
  std::string items;
  size_t count = 0;
  for (const std::string& message : linesOf(messages)) {
    if (message.empty()) continue;
    ++count;
    items += "<li class=\"error\"><div class=\"message\">" + markupEscaped(message) + "</div>";
    // A pattern matcher would recurse once per character, and a message may quote a long value.
    if (const std::optional<Place> place = placeOf(message)) {
      const int64_t line = place->line, column = place->column;
      if (line >= 1 && static_cast<size_t>(line) <= source.size()) {
        const std::string& text = source[static_cast<size_t>(line - 1)];
        items += "<pre class=\"source\" data-line=\"" + std::to_string(line) + "\" data-column=\"" +
                 std::to_string(column) + "\"><span class=\"number\">" + std::to_string(line) +
                 " | </span>" + markupEscaped(text) + "\n<span class=\"number\">" +
                 std::string(std::to_string(line).size(), ' ') + " | </span>" +
                 markupEscaped(padTo(text, column)) + "<span class=\"mark\">^</span></pre>";
      }
    }
    items += "</li>\n";
  }
  const std::string title =
      screenName + (count == 1 ? ": 1 error" : ": " + std::to_string(count) + " errors");
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; connect-src "
      "'self'; style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n"
      "<title>" +
      markupEscaped(title) +
      "</title>\n<style>\n"
      "  body { margin: 0; font: 13px/1.35 sans-serif; color: #1d2731; background: #eef1f4; }\n"
      "  header { padding: 8px 14px; background: #7b241c; color: #fff; }\n"
      "  header h1 { margin: 0; font-size: 16px; font-weight: 600; }\n"
      "  header p { margin: 2px 0 0; opacity: .85; }\n"
      "  ol { margin: 12px; padding: 8px 8px 8px 32px; background: #fff; border: 1px solid "
      "#c9d1d9; border-radius: 4px; }\n"
      "  li.error { margin: 6px 0; }\n"
      "  .message { font-family: monospace; }\n"
      "  pre.source { margin: 4px 0 0; padding: 4px 6px; background: #f6f8fa; }\n"
      "  .number { color: #8a96a3; }\n  .mark { color: #c0392b; font-weight: bold; }\n"
      "</style>\n</head>\n<body>\n<header>\n<h1 id=\"title\">" +
      markupEscaped(title) +
      "</h1>\n<p>The picture comes back when the file is fixed and saved.</p>\n</header>\n"
      "<ol id=\"errors\">\n" +
      items + "</ol>\n</body>\n</html>\n";
  return withLiveScript(std::move(page), version);
}

std::string eventData(uint64_t version, bool ok) {
  return "{\"version\":" + std::to_string(version) + ",\"ok\":" + (ok ? "true" : "false") + "}";
}

}  // namespace panel
