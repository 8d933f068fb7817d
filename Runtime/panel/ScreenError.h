// A screen file that cannot be run, with the place in it that is wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace panel {

struct ScreenError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs `body`; a ScreenError or a VM mismatch (std::invalid_argument) thrown inside comes out as
// a ScreenError whose message starts with `place`, so nested places read outermost first.
template <typename Body>
auto at(const std::string& place, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::invalid_argument& e) {
    throw ScreenError(place + ": " + e.what());
  } catch (const ScreenError& e) {
    throw ScreenError(place + ": " + e.what());
  }
}

}  // namespace panel
