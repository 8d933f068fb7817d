#include "panel/natives/NativeDocs.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "vm/Descriptor.h"

namespace panel::natives {

namespace {

// "line style" → "line-style", the anchor a Markdown renderer gives the heading.
std::string anchorOf(std::string_view heading) {
  std::string anchor;
  for (const char c : heading)
    anchor += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return anchor;
}

std::string capitalised(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

// Every value set the table uses, in order of first use.
std::vector<const ValueSet*> valueSetsUsed() {
  std::vector<const ValueSet*> sets;
  for (const ManagedClass& cls : managedClasses())
    for (const Native& native : cls.natives)
      for (const Argument& argument : native.arguments)
        if (argument.values && std::find(sets.begin(), sets.end(), argument.values) == sets.end())
          sets.push_back(argument.values);
  return sets;
}

void writeValueSet(std::ostream& out, const ValueSet& set) {
  out << "### " << capitalised(set.name) << "\n\n| value | meaning |\n|---|---|\n";
  for (const Value& value : set.values)
    out << "| " << value.value << " | " << value.meaning << " |\n";
  if (set.otherwise) out << "| any other | " << set.otherwise << " |\n";
  out << '\n';
}

void writeNative(std::ostream& out, const Native& native) {
  const vm::Descriptor descriptor = vm::parseDescriptor(native.signature);
  out << "### `" << native.signature << "`\n\n" << native.does << "\n\n";
  if (native.arguments.empty()) {
    out << "No arguments.\n\n";
  } else {
    out << "| # | argument | type | unit | meaning |\n|---|---|---|---|---|\n";
    for (size_t i = 0; i < native.arguments.size(); ++i) {
      const Argument& argument = native.arguments[i];
      out << "| " << i + 1 << " | `" << argument.name << "` | "
          << typeName(descriptor.parameterTypes[i]) << " | ";
      if (argument.values)
        out << '[' << argument.values->name << "](#" << anchorOf(argument.values->name) << ')';
      else
        out << unitText(argument.unit);
      out << " | " << (argument.note ? argument.note : "") << " |\n";
    }
    out << '\n';
  }
  if (native.result)
    out << "Returns " << typeName(descriptor.resultType) << ": " << native.result << ".\n\n";
}

}  // namespace

std::string typeName(std::string_view type) {
  if (!type.empty() && type.front() == '[') return typeName(type.substr(1)) + "[]";
  if (type == "I") return "int";
  if (type == "Z") return "boolean";
  if (type == "B") return "byte";
  if (type == "F") return "float";
  if (type == "C") return "char";
  if (type == "V") return "void";
  if (type.size() > 2 && type.front() == 'L' && type.back() == ';')
    return std::string(shortClassName(type.substr(1, type.size() - 2)));
  return std::string(type);
}

std::string markdownReference() {
  std::ostringstream out;
  out << "# Natives\n\n"
         "<!-- Written by zelmo-natives-doc from Runtime/panel/natives/; do not edit by hand.\n"
         "     Rewrite it with: cmake --build --preset default --target natives-doc -->\n\n"
         "Every native method that ZelmoGraphics.dlm registers, per managed class: what it does,\n"
         "its arguments in order with their names, types and units, and its result.\n\n"
         "Coordinates are pixels, x to the right and y downward. A colour is 0x00RRGGBB; one with\n"
         "bit 31 set (0x80000000, `\"none\"` in a screen) means no colour. Natives without a pen\n"
         "argument take it from their object's fields.\n\n";
  for (const ManagedClass& cls : managedClasses())
    out << "- [" << shortClassName(cls.name) << "](#" << anchorOf(shortClassName(cls.name))
        << "): " << cls.natives.size() << (cls.natives.size() == 1 ? " native\n" : " natives\n");
  out << '\n';
  for (const ManagedClass& cls : managedClasses()) {
    out << "## " << shortClassName(cls.name) << "\n\n`" << cls.name << "`\n\n";
    for (const Native& native : cls.natives) writeNative(out, native);
  }
  out << "## Value sets\n\n";
  for (const ValueSet* set : valueSetsUsed()) writeValueSet(out, *set);
  std::string text = out.str();
  text.pop_back();  // one newline at the end of the file
  return text;
}

}  // namespace panel::natives
