// The live preview's error page, which quotes the screen file and the messages about it: any
// text is placed without fault, and nothing of it becomes markup (the page's one script is the
// preview's own).
//
// Input: the messages, a NUL, then the screen text; without a NUL the input is both.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "panel/PreviewPages.h"

namespace {

size_t occurrences(const std::string& text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string messages(input.substr(0, nul));
  const std::string screen(nul == input.npos ? input : input.substr(nul + 1));
  const std::string page = panel::errorPage("s.json", screen, messages, 1);
  if (occurrences(page, "<script") != 1 || occurrences(page, "</script") != 1) std::abort();
  if (occurrences(page, "<pre") != occurrences(page, "</pre>")) std::abort();
  return 0;
}
