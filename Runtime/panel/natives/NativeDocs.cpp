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

// One value a line under the argument, the meanings in a column.
std::string valueLines(const ValueSet& set) {
  std::string text;
  const auto line = [&](const std::string& value, const char* meaning) {
    std::string row = "      " + value;
    row.resize(std::max<size_t>(row.size() + 2, 13), ' ');
    text += row + meaning + '\n';
  };
  for (const Value& value : set.values) line(std::to_string(value.value), value.meaning);
  if (set.otherwise) line("other", set.otherwise);
  return text;
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
         "its arguments in order with their names, types and units, and its result. A screen\n"
         "call may give its arguments as a list in this order or as an object by these names\n"
         "([screen-format.md](screen-format.md)).\n"
         "`zelmo-panel --describe NAME` prints the same for each native whose line in\n"
         "`zelmo-panel --list-natives` holds NAME, in any case.\n\n"
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

std::string describe(const ManagedClass& cls, const Native& native) {
  const vm::Descriptor descriptor = vm::parseDescriptor(native.signature);
  std::ostringstream out;
  out << shortClassName(cls.name) << ' ' << native.signature << "\n  " << native.does << '\n';
  size_t nameWidth = 0;
  size_t typeWidth = 0;
  for (size_t i = 0; i < native.arguments.size(); ++i) {
    nameWidth = std::max(nameWidth, std::string_view(native.arguments[i].name).size());
    typeWidth = std::max(typeWidth, typeName(descriptor.parameterTypes[i]).size());
  }
  for (size_t i = 0; i < native.arguments.size(); ++i) {
    const Argument& argument = native.arguments[i];
    std::string line = "  " + std::string(argument.name);
    line.resize(2 + nameWidth + 2, ' ');
    line += typeName(descriptor.parameterTypes[i]);
    line.resize(2 + nameWidth + 2 + typeWidth + 2, ' ');
    line += argument.values ? argument.values->name : unitText(argument.unit);
    if (argument.note) line += std::string(argument.unit == Unit::None ? "" : "; ") + argument.note;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
    if (argument.values) out << valueLines(*argument.values);
  }
  if (native.result)
    out << "  returns " << typeName(descriptor.resultType) << ": " << native.result << '\n';
  return out.str();
}

std::string describeMatching(std::string_view name) {
  const auto lower = [](std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  const std::string wanted = lower(name);
  std::string text;
  for (const ManagedClass& cls : managedClasses()) {
    for (const Native& native : cls.natives) {
      const std::string line = std::string(cls.name) + ' ' + native.signature;
      if (lower(line).find(wanted) == std::string::npos) continue;
      text += (text.empty() ? "" : "\n") + describe(cls, native);
    }
  }
  return text;
}

}  // namespace panel::natives
