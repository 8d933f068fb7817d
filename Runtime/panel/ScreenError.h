// A screen file that cannot be run, with the place in it that is wrong.
#pragma once

#include <stdexcept>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace panel {

using Json = nlohmann::ordered_json;

// `node` is the value (or, with `atKey`, the key naming it) the message is about, when known:
// the file position of the message is taken from it.
struct ScreenError : std::runtime_error {
  explicit ScreenError(const std::string& what, const Json* node = nullptr, bool atKey = false)
      : std::runtime_error(what), node(node), atKey(atKey) {}
  const Json* node;
  bool atKey;
};

// Runs `body`; a ScreenError or a VM mismatch (std::invalid_argument) thrown inside comes out as
// a ScreenError whose message starts with `place`, so nested places read outermost first. One
// that names no value of the file is placed at `node`.
template <typename Body>
auto at(const std::string& place, const Json* node, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::invalid_argument& e) {
    throw ScreenError(place + ": " + e.what(), node);
  } catch (const ScreenError& e) {
    if (e.node) throw ScreenError(place + ": " + e.what(), e.node, e.atKey);
    throw ScreenError(place + ": " + e.what(), node);
  }
}

template <typename Body>
auto at(const std::string& place, Body&& body) -> decltype(body()) {
  return at(place, nullptr, std::forward<Body>(body));
}

}  // namespace panel
