// kvir-rooms-check ROOT: checks the includes of the source tree at ROOT against ROOT/rooms.txt.
// Prints one line for each fault and exits 1 when there is any; exits 0 and prints nothing when
// the tree keeps to the table, 2 when the table cannot be read.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tests/rooms/rooms_check.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: kvir-rooms-check ROOT\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::ifstream in(root / "rooms.txt");
  if (!in) {
    std::cerr << "kvir-rooms-check: cannot read " << (root / "rooms.txt").string() << "\n";
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::vector<std::string> problems;
  const kvir::rooms::RoomTable table = kvir::rooms::ParseRoomTable(text.str(), problems);
  if (problems.empty()) problems = kvir::rooms::CheckTree(root, table);
  for (const std::string& problem : problems) std::cout << problem << "\n";
  return problems.empty() ? 0 : 1;
}
