#include "panel/Runner.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "panel/CallWarnings.h"
#include "panel/DidYouMean.h"
#include "panel/ScreenError.h"
#include "panel/natives/NativeReference.h"

namespace panel {

namespace {

// The native registered for the class or, for inherited natives, its nearest superclass.
const vm::NativeMethod* nativeFor(const vm::Vm& vm, const vm::ClassDef& cls,
                                  const std::string& signature) {
  for (const vm::ClassDef* c = &cls; c; c = c->superclass())
    if (const vm::NativeMethod* found = vm.findNative(c->name(), signature)) return found;
  return nullptr;
}

std::string unknownSignature(const vm::Vm& vm, const vm::ClassDef& cls,
                             const std::string& signature) {
  std::string message = cls.name() + " has no native " + signature;
  // Listing the overloads of the same name points at the intended one; "drawRect" without
  // its descriptor lists the drawRect overloads only.
  const std::string name = signature.substr(0, signature.find('(')) + "(";
  std::string overloads;
  std::vector<std::string> signatures;
  for (const vm::NativeMethod& native : vm.natives()) {
    if (!cls.isSubclassOf(vm.classNamed(native.className))) continue;
    signatures.push_back(native.signature);
    if (native.signature.compare(0, name.size(), name) != 0) continue;
    if (overloads.find(native.signature) != std::string::npos) continue;
    overloads += (overloads.empty() ? "" : ", ") + native.signature;
  }
  if (!overloads.empty()) return message + " (it has " + overloads + ")";
  return message + didYouMean(signature, signatures);
}

struct Target {
  const vm::NativeMethod* native = nullptr;
  std::optional<jref> self;
};

Target targetOf(const vm::Vm& vm, const Json& call, const Json& signature, const Bindings& names) {
  const auto on = call.find("on");
  const auto className = call.find("class");
  if (on == call.end() && className == call.end())
    throw ScreenError("needs \"on\" (an instance native's receiver) or \"class\" (a static one)",
                      &call);
  Target target;
  const vm::ClassDef* cls = nullptr;
  if (className != call.end()) {
    if (!className->is_string()) throw ScreenError("\"class\" must be a string", &*className);
    cls = at("\"class\"", &*className,
             [&] { return &knownClass(vm, className->get<std::string>()); });
  }
  if (on != call.end()) {
    if (!on->is_string()) throw ScreenError("\"on\" must be the id of an object", &*on);
    const jref self = at("\"on\"", &*on, [&] { return names.object(on->get<std::string>()); });
    if (self == 0) throw ScreenError("\"on\" is null", &*on);
    const vm::ClassDef& receiverClass = vm.classOf(self);
    if (cls && !receiverClass.isSubclassOf(*cls))
      throw ScreenError("\"" + on->get<std::string>() + "\" is a " + receiverClass.name() +
                            ", not a " + cls->name(),
                        &*on);
    if (!cls) cls = &receiverClass;
    target.self = self;
  }
  target.native = nativeFor(vm, *cls, signature.get<std::string>());
  if (!target.native)
    throw ScreenError(unknownSignature(vm, *cls, signature.get<std::string>()), &signature);
  return target;
}

// "the arguments are x, y, w, h", for messages about names.
std::string argumentNames(const natives::Native& entry) {
  if (entry.arguments.empty()) return "it takes no arguments";
  std::string names = "the arguments are ";
  for (const natives::Argument& argument : entry.arguments) {
    if (&argument != &entry.arguments.front()) names += ", ";
    names += argument.name;
  }
  return names;
}

// The reference entry whose names a call's named arguments use.
const natives::Native& namedEntry(const vm::NativeMethod& native) {
  const natives::Native* entry = natives::findNative(native.className, native.signature);
  if (!entry) throw ScreenError("its arguments have no names; give \"args\" as a list");
  return *entry;
}

// Named arguments put in declaration order.
std::vector<const Json*> orderedByName(const Json& named, const natives::Native& entry) {
  for (const auto& item : named.items()) {
    const bool known =
        std::any_of(entry.arguments.begin(), entry.arguments.end(),
                    [&](const natives::Argument& argument) { return item.key() == argument.name; });
    if (!known)
      throw ScreenError("unknown argument \"" + item.key() + "\"; " + argumentNames(entry),
                        &item.value(), true);
  }
  std::vector<const Json*> ordered;
  for (const natives::Argument& argument : entry.arguments) {
    const auto found = named.find(argument.name);
    if (found == named.end())
      throw ScreenError(
          std::string("missing argument \"") + argument.name + "\"; " + argumentNames(entry),
          &named);
    ordered.push_back(&*found);
  }
  return ordered;
}

// A call's arguments, given as a list in declaration order or as an object by name.
std::vector<vm::Arg> argsOf(vm::Vm& vm, const Json& call, const vm::NativeMethod& native,
                            const Bindings& names, std::vector<const Json*>& args) {
  const vm::Descriptor& descriptor = native.descriptor;
  const auto found = call.find("args");
  if (found != call.end() && !found->is_array() && !found->is_object())
    throw ScreenError("\"args\" must be an array, or an object of named arguments", &*found);
  const natives::Native* entry =
      found != call.end() && found->is_object() ? &namedEntry(native) : nullptr;
  if (entry)
    args = orderedByName(*found, *entry);
  else if (found != call.end())
    for (const Json& arg : *found) args.push_back(&arg);
  if (args.size() != descriptor.parameters.size())
    throw ScreenError("takes " + std::to_string(descriptor.parameters.size()) + " arguments, got " +
                          std::to_string(args.size()),
                      found == call.end() ? &call : &*found);
  std::vector<vm::Arg> converted;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string place = "argument ";
    if (entry)
      place.append(1, '"').append(entry->arguments[i].name).append(1, '"');
    else
      place += std::to_string(i + 1);
    converted.push_back(at(place, args[i], [&] {
      return toArg(vm, *args[i], descriptor.parameters[i], descriptor.parameterTypes[i], names);
    }));
  }
  return converted;
}

// Stores a result as a new binding "id" or into the field of "id.field".
void storeResult(vm::Vm& vm, const Json& where, const vm::Descriptor& descriptor,
                 const vm::Result& result, Bindings& names) {
  if (!where.is_string() || where.get<std::string>().empty())
    throw ScreenError("\"result\" must be \"id\" or \"id.field\"");
  const std::string text = where.get<std::string>();
  const size_t dot = text.find('.');
  if (dot == std::string::npos) {
    if (descriptor.result == vm::Kind::Ref)
      names.bind(text, result.ref());
    else if (descriptor.result == vm::Kind::Bool)
      names.bind(text, result.z() ? 1 : 0);
    else
      names.bind(text, result.i());
    return;
  }
  const jref object = names.object(text.substr(0, dot));
  if (object == 0) throw ScreenError("\"" + text.substr(0, dot) + "\" is null");
  const vm::FieldInfo field = vm.fieldOf(object, text.substr(dot + 1));
  if (descriptor.result == vm::Kind::Ref) {
    if (field.type.front() != 'L' && field.type.front() != '[')
      throw ScreenError("field " + field.name + " does not hold a reference");
    checkAssignable(vm, result.ref(), field.type);
    std::memcpy(vm.storage(object) + field.offset, &result.bits, 4);
    return;
  }
  if (field.type != "I" && field.type != "Z" && field.type != "B" && field.type != "C")
    throw ScreenError("field " + field.name + " of type " + field.type +
                      " cannot hold an int result");
  const int32_t v = descriptor.result == vm::Kind::Bool ? (result.z() ? 1 : 0) : result.i();
  std::memcpy(vm.storage(object) + field.offset, &v, field.size);
}

void runCall(vm::Vm& vm, const Json& call, Bindings& names, const InvocationObserver& observe,
             Diagnostics* report, int layers) {
  if (!call.is_object()) throw ScreenError("must be a JSON object", &call);
  for (const auto& [key, value] : call.items())
    if (key != "on" && key != "class" && key != "call" && key != "args" && key != "result" &&
        key != "comment")
      throw ScreenError("unknown key \"" + key + "\"" +
                            didYouMean(key, {"on", "class", "call", "args", "result", "comment"}),
                        &value, true);
  const Target target = targetOf(vm, call, call["call"], names);
  const vm::Descriptor& descriptor = target.native->descriptor;
  std::vector<const Json*> argNodes;
  const std::vector<vm::Arg> args = argsOf(vm, call, *target.native, names, argNodes);
  const auto result = call.find("result");
  if (result != call.end() && descriptor.result == vm::Kind::Void)
    throw ScreenError("\"result\" given, but the native returns nothing", &*result, true);
  if (result != call.end() && descriptor.result == vm::Kind::Float)
    throw ScreenError("a float result cannot be stored", &*result, true);
  vm::Result returned;
  try {
    returned = vm.invoke(*target.native, target.self, args);
    if (observe) observe(*target.native, target.self, args);
  } catch (const std::invalid_argument&) {
    throw;  // a mismatch the screen caused: reported with its place
  } catch (const std::exception& e) {
    throw NativeFailure(e.what());
  }
  if (report)
    for (const CallWarning& warning :
         callWarnings(vm, *target.native, target.self, argNodes, args, call, layers))
      report->warning(warning.message, warning.node);
  if (result != call.end())
    at("result", &*result, [&] { storeResult(vm, *result, descriptor, returned, names); });
}

// Runs calls[i], naming it in what goes wrong.
void runCallAt(vm::Vm& vm, const Json& calls, size_t i, Bindings& names,
               const InvocationObserver& observe, const CallHooks& hooks, Diagnostics* report,
               int layers) {
  std::string place = "calls[" + std::to_string(i) + "]";
  const Json& call = calls[i];
  if (call.is_object() && call.size() == 1 && call.contains("comment")) return;
  if (call.is_object()) {
    const auto signature = call.find("call");
    if (signature == call.end() || !signature->is_string())
      throw ScreenError(place + ": missing key \"call\" (a signature such as drawRect(IIII)V)",
                        signature == call.end() ? &call : &*signature);
    // Appended in two steps: g++ 12 at -O3 warns falsely (-Wrestrict) on " " + string here.
    place += ' ';
    place += signature->get<std::string>();
  }
  if (hooks.before) hooks.before(i);
  try {
    at(place, &call, [&] { runCall(vm, call, names, observe, report, layers); });
  } catch (const NativeFailure& e) {
    throw NativeFailure(place + ": " + e.what());
  }
  if (hooks.after) hooks.after(i);
}

}  // namespace

void runCalls(vm::Vm& vm, const Json& calls, Bindings& names) { runCalls(vm, calls, names, {}); }

void runCalls(vm::Vm& vm, const Json& calls, Bindings& names, const InvocationObserver& observe) {
  runCalls(vm, calls, names, observe, {});
}

void runCalls(vm::Vm& vm, const Json& calls, Bindings& names, const InvocationObserver& observe,
              const CallHooks& hooks, Diagnostics* report, int layers) {
  for (size_t i = 0; i < calls.size(); ++i)
    collecting(report, [&] { runCallAt(vm, calls, i, names, observe, hooks, report, layers); });
}

}  // namespace panel
