#include "panel/JUnitXml.h"

#include <cstdio>

#include "panel/MarkupText.h"

namespace panel {
namespace {

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
      << "  <testsuite name=\"" << markupEscaped(suite) << "\" tests=\"" << cases.size()
      << "\" failures=\"" << failures << "\" errors=\"" << errors << "\" time=\"" << seconds(total)
      << "\">\n";
  for (const JUnitCase& c : cases) {
    out << "    <testcase name=\"" << markupEscaped(c.name) << "\" classname=\""
        << markupEscaped(suite) << "\" file=\"" << markupEscaped(c.file) << "\" time=\""
        << seconds(c.seconds) << "\"";
    if (c.outcome == JUnitCase::Outcome::Passed) {
      out << "/>\n";
      continue;
    }
    const char* element = c.outcome == JUnitCase::Outcome::Failed ? "failure" : "error";
    out << ">\n      <" << element << " message=\"" << markupEscaped(c.message) << "\"/>\n"
        << "    </testcase>\n";
  }
  out << "  </testsuite>\n</testsuites>\n";
}

}  // namespace panel
