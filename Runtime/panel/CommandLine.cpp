#include "panel/CommandLine.h"

namespace panel {

namespace {

// The value following an option that takes one.
const std::string& valueOf(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

// A count of pixels: decimal digits only.
int64_t countOf(const std::string& option, const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 12 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) throw UsageError(option + " needs a count of pixels, got \"" + text + "\"");
  return std::stoll(text);
}

}  // namespace

Options parseCommandLine(const std::vector<std::string>& args) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "-o" || arg == "--output") {
      options.output = valueOf(args, i);
    } else if (arg == "--trace") {
      options.trace = valueOf(args, i);
    } else if (arg == "--report") {
      options.report = valueOf(args, i);
    } else if (arg == "--module") {
      options.module = valueOf(args, i);
    } else if (arg == "--config") {
      options.config = valueOf(args, i);
    } else if (arg == "--compare") {
      options.compare = valueOf(args, i);
    } else if (arg == "--tolerance") {
      options.tolerance = countOf(arg, valueOf(args, i));
    } else if (arg == "--describe") {
      options.describe = valueOf(args, i);
      if (options.describe.empty()) throw UsageError("--describe needs a name");
    } else if (arg == "--strict") {
      options.strict = true;
    } else if (arg == "--schema") {
      options.schema = true;
    } else if (arg == "--list-natives") {
      options.listNatives = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg);
    } else if (options.screen.empty()) {
      options.screen = arg;
    } else {
      throw UsageError("more than one screen file: " + options.screen + " and " + arg);
    }
  }
  if (options.help || options.listNatives || options.schema || !options.describe.empty())
    return options;
  if (options.screen.empty()) throw UsageError("no screen file given");
  if (options.output.empty()) throw UsageError("no output file given (-o OUT.png)");
  if (options.compare.empty() && options.tolerance != 0)
    throw UsageError("--tolerance needs --compare REFERENCE.png");
  return options;
}

std::string usageText() {
  return "usage: zelmo-panel SCREEN.json -o OUT.png [--trace TRACE.jsonl] [--report REPORT.html]\n"
         "                   [--module PATH] [--config FILE]\n"
         "                   [--compare REFERENCE.png [--tolerance N]] [--strict]\n"
         "       zelmo-panel --list-natives [--module PATH]\n"
         "       zelmo-panel --describe NAME\n"
         "       zelmo-panel --schema\n"
         "       zelmo-panel check SCREEN.json|FOLDER... --references FOLDER [--update]\n"
         "                   [--tolerance N] [--colour-tolerance N] [--jobs N] [--junit FILE]\n"
         "       zelmo-panel serve SCREEN.json [--port N] [--module PATH] [--config FILE]\n"
         "\n"
         "Loads ZelmoGraphics.dlm (by default the one beside this program), builds the screen's\n"
         "managed objects, invokes its calls through the registered natives and writes all\n"
         "layers, composited in order, as a PNG.\n"
         "\n"
         "  -o, --output PATH  the PNG to write\n"
         "  --trace PATH       also write every drawing-service call and upcall as one JSON\n"
         "                     object per line\n"
         "  --report PATH      also write a page that shows which call drew which pixel, step\n"
         "                     by step (one HTML file, opens in a browser from disk)\n"
         "  --module PATH      load this module instead of the one beside the program\n"
         "  --config FILE      the configuration store the core services read and write (an\n"
         "                     INI file, created if missing; without the option, an empty\n"
         "                     store in a temporary file that is removed at exit)\n"
         "  --compare PATH     after rendering, compare the PNG with this reference picture;\n"
         "                     when more pixels differ than allowed, write OUT.diff.png (the\n"
         "                     differing pixels in red) and exit with 5; -o may not name the\n"
         "                     reference\n"
         "  --tolerance N      how many pixels may differ from the reference (default 0)\n"
         "  --strict           exit with 6 when the screen has warnings (calls that cannot draw\n"
         "                     what was meant)\n"
         "  --list-natives     print every registered class and signature, in registration\n"
         "                     order, and exit (no screen needed)\n"
         "  --describe NAME    print what each native whose class and signature hold NAME\n"
         "                     (in any case) does, and its arguments' names, types, units and\n"
         "                     values, and exit; exit 2 when none does\n"
         "  --schema           print the JSON Schema of screen files and exit (it is\n"
         "                     docs/screen.schema.json, which the example screens name)\n"
         "  -h, --help         print this text\n"
         "\n"
         "check renders every screen given, and every *.json screen in each folder given,\n"
         "several at once, compares each with FOLDER/NAME.png of --references, and prints a\n"
         "line per screen (ok; differs, with the count of pixels and the box around them, and\n"
         "FOLDER/NAME.diff.png showing reference, picture and difference side by side; no\n"
         "reference; or the screen's error), then a summary. It exits with 0 when all match,\n"
         "5 when any differs or has no reference, 2 when any screen has an error.\n"
         "  --update           write the references that are missing or differ, naming each\n"
         "  --tolerance N      how many pixels of a screen may differ (default 0)\n"
         "  --colour-tolerance N  ignore differences of at most N (0-255) in every channel\n"
         "  --jobs N           screens rendered at once (default: one per processor core)\n"
         "  --junit FILE       also write JUnit XML, one test case per screen\n"
         "\n"
         "serve shows the screen's report page at http://127.0.0.1:PORT/ (this machine only)\n"
         "and renders it anew whenever the screen file, or a picture or configuration file it\n"
         "reads, is saved; the page reloads itself, keeping zoom, step and the selected pixel,\n"
         "and shows the screen's errors at their lines while it has any. Ctrl-C stops it.\n"
         "  --port N           the port to listen on (default 8484; 0 takes any free port)\n"
         "\n"
         "Exit codes: 0 done (serve: stopped by Ctrl-C); 2 bad command line or malformed\n"
         "screen; 3 module missing or not loadable; 4 output not writable (serve: the port\n"
         "cannot be listened on); 5 the picture differs from the reference; 6 --strict and\n"
         "the screen has warnings; 1 a native failed unexpectedly.\n";
}

}  // namespace panel
