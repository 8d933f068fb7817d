// zelmo-natives-doc: writes docs/natives.md from the native reference, to the given path or to
// standard output.
#include <fstream>
#include <iostream>

#include "panel/natives/NativeDocs.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: zelmo-natives-doc [OUT.md]\n";
    return 2;
  }
  const std::string text = panel::natives::markdownReference();
  if (argc == 1) {
    std::cout << text;
    return std::cout ? 0 : 4;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << text;
  out.flush();
  if (!out) {
    std::cerr << "zelmo-natives-doc: cannot write " << argv[1] << '\n';
    return 4;
  }
  return 0;
}
