#include "cli/legend.h"

#include "circuit/legend_words.h"
#include "circuit/schemes.h"
#include "learning/truth_table_view.h"

namespace kvir {

void PrintLegend(int n, Language language, std::ostream& out) {
  const Scheme scheme(*kSchemeTable[n - 1].def);
  for (const Indicator& ind : scheme.indicators()) {
    out << ind.name << '\t' << ind.label << '\t' << RoleWord(ind.role, language);
    if (ind.pins.type != ChipType::kNone) {
      out << '\t' << ChipName(ind.pins) << '\t' << PinLabel(ind.pins);
    }
    out << '\n';
  }
}

void PrintStudentTable(int n, char separator, Language language, std::ostream& out) {
  const Scheme scheme(*kSchemeTable[n - 1].def);
  out << FormatTable(StudentView(scheme, ComputeTruthTable(n), language), separator);
}

}  // namespace kvir
