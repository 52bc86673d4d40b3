// ringcoil-replay [SCRIPT]: drives the calculator's window without a display,
// from a script file or standard input, and prints what the script asks for.
#include <fstream>
#include <iostream>

#include "replay.hpp"

int main(int argc, char** argv) {
  using namespace ringcoil::replay;
  if (argc > 2) {
    std::cerr << "usage: ringcoil-replay [SCRIPT]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "ringcoil-replay: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  std::istream& in = argc == 2 ? static_cast<std::istream&>(file) : std::cin;
  auto parsed = parseScript(in);
  if (const auto* error = std::get_if<ParseError>(&parsed)) {
    std::cerr << "ringcoil-replay: line " << error->line << ": " << error->message << '\n';
    return 2;
  }
  runScript(std::get<std::vector<ScriptLine>>(parsed), std::cout);
  std::cout.flush();
  return std::cout ? 0 : 1;
}
