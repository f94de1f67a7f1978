// tessaro-sim [SCRIPT]: runs a script against the trainer's engine, without windows.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "simulator.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tessaro-sim [SCRIPT]\n";
    return 2;
  }
  std::error_code error;
  tessaro::sim::Simulator simulator(std::cout, std::filesystem::current_path(error));
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cerr << "tessaro-sim: cannot open " << argv[1] << '\n';
      return 2;
    }
    return simulator.Run(script, std::cerr);
  }
  return simulator.Run(std::cin, std::cerr);
}
