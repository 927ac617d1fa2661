#include "cli/truth_table.h"

#include <string>
#include <vector>

#include "learning/truth_table.h"

namespace kvir {

void PrintTruthTable(int n, std::ostream& out) {
  const TruthTable table = ComputeTruthTable(n);
  std::string header;
  for (const auto* group : {&table.inputs, &table.outputs}) {
    for (const std::string& name : *group) header += (header.empty() ? "" : " ") + name;
  }
  out << header << '\n';
  for (const std::vector<int>& row : table.rows) {
    std::string line;
    for (int value : row) line += (line.empty() ? "" : " ") + std::to_string(value);
    out << line << '\n';
  }
}

}  // namespace kvir
