#include "panel/JUnitXml.h"

#include <cstdio>

namespace panel {
namespace {

// Text for an attribute value; control characters other than tab and newline are not allowed in
// XML 1.0 at all, so they become spaces.
std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += "&#10;";
        break;
      case '\t':
        out += "&#9;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
  }
  return out;
}

std::string seconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

void writeJUnitXml(std::ostream& out, const std::string& suite,
                   const std::vector<JUnitCase>& cases) {
  int failures = 0, errors = 0;
  double total = 0;
  for (const JUnitCase& c : cases) {
    failures += c.outcome == JUnitCase::Outcome::Failed;
    errors += c.outcome == JUnitCase::Outcome::Error;
    total += c.seconds;
  }
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<testsuites>\n"
      << "  <testsuite name=\"" << escaped(suite) << "\" tests=\"" << cases.size()
      << "\" failures=\"" << failures << "\" errors=\"" << errors << "\" time=\"" << seconds(total)
      << "\">\n";
  for (const JUnitCase& c : cases) {
    out << "    <testcase name=\"" << escaped(c.name) << "\" classname=\"" << escaped(suite)
        << "\" file=\"" << escaped(c.file) << "\" time=\"" << seconds(c.seconds) << "\"";
    if (c.outcome == JUnitCase::Outcome::Passed) {
      out << "/>\n";
      continue;
    }
    const char* element = c.outcome == JUnitCase::Outcome::Failed ? "failure" : "error";
    out << ">\n      <" << element << " message=\"" << escaped(c.message) << "\"/>\n"
        << "    </testcase>\n";
  }
  out << "  </testsuite>\n</testsuites>\n";
}

}  // namespace panel
