#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  int status = kvir::RunCli(args, std::cout, std::cerr);
  if (!std::cout.flush() && status == 0) {
    std::cerr << "kvir-cli: не удалось записать стандартный вывод\n";
    status = kvir::kRunError;
  }
  return status;
}
