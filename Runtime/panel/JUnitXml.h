// JUnit XML, the test report most CI systems show case by case.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace panel {

struct JUnitCase {
  enum class Outcome { Passed, Failed, Error };
  std::string name;
  std::string file;
  double seconds = 0;
  Outcome outcome = Outcome::Passed;
  std::string message;  // why it failed or erred
};

// One <testsuite> named `suite` holding the cases in order.
void writeJUnitXml(std::ostream& out, const std::string& suite,
                   const std::vector<JUnitCase>& cases);

}  // namespace panel
