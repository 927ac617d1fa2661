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
  std::string line;
  for (const std::vector<int>& row : table.rows) {
    line.clear();
    for (int value : row) {
      if (!line.empty()) line += ' ';
      // Levels are single digits: appended as characters, without a string each.
      if (value >= 0 && value <= 9) {
        line += static_cast<char>('0' + value);
      } else {
        line += std::to_string(value);
      }
    }
    line += '\n';
    out << line;
  }
}

}  // namespace kvir
