#pragma once
// The schemes on gates, one row each: the encoders 01 … 05 (buttons Y0 … onto a numbered bus,
// the bus routed to one gate per output bit) and the decoders 06 … 09 (inputs and their
// inverters onto a bus of true and complement lines, one gate per output). A row holds what is
// the scheme's own, its titles and texts among it; the generators in gate_schemes.cc make the
// rest of its definition from it, and the drawings and the tests read the rows too.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "circuit/scheme_def.h"
#include "core/gates.h"
#include "core/routes.h"

namespace kvir {

enum class GateKind : uint8_t { kOr, kNand, kAnd, kNor };

struct GateSchemeRow {
  uint8_t number;
  uint8_t bits;  ///< width of the binary number
  GateKind gate;
  bool inverted_inputs;       ///< encoders whose buttons reach the bus through inverters
  std::string_view title;     ///< SchemeDef::title
  std::string_view title_en;  ///< SchemeDef::title_en
  std::string_view about_ru;  ///< SchemeDef::about_ru
  std::string_view about_en;  ///< SchemeDef::about_en
};

// clang-format off
inline constexpr GateSchemeRow kGateEncoders[] = {
    {1, 3, GateKind::kOr, false,
     "Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ",
     "Scheme 01 - Three-bit encoder on OR gates",
     "Шифратор переводит номер нажатой кнопки в трёхразрядный двоичный код.\n"
     "Входы Y0 … Y7 — кнопки данных. Нажатая кнопка даёт 1, а все остальные при этом сбрасываются в 0: нажата всегда ровно одна.\n"
     "Каждая кнопка подаёт свой уровень на линию шины с тем же номером 0 … 7. Элемент ИЛИ выхода Xn собирает линии, в номере которых разряд n равен 1: X0 — линии 1, 3, 5, 7; X1 — 2, 3, 6, 7; X2 — 4, 5, 6, 7. Числа у входов элементов — номера линий. Линия 0 не идёт ни к одному элементу.\n"
     "Что увидеть: выходы X2 X1 X0 показывают номер нажатой кнопки двоичным числом; Y5 даёт 1 0 1. Кнопка Y0 даёт 0 0 0 — тот же код, что дала бы схема без нажатой кнопки.\n"
     "Таблица истинности: 8 строк, по одной на кнопку; код на выходах растёт от 000 до 111.\n",
     "The encoder turns the number of the pressed button into a three-bit binary code.\n"
     "Inputs Y0 … Y7 are data buttons. The pressed button gives 1 and clears all the others to 0: exactly one is always pressed.\n"
     "Each button drives the bus line of its own number, 0 … 7. The OR gate of output Xn collects the lines whose number has bit n set: X0 lines 1, 3, 5, 7; X1 lines 2, 3, 6, 7; X2 lines 4, 5, 6, 7. The numbers at the gate inputs are line numbers. Line 0 goes to no gate.\n"
     "What to see: outputs X2 X1 X0 show the number of the pressed button in binary; Y5 gives 1 0 1. Button Y0 gives 0 0 0, the same code as no button at all.\n"
     "Truth table: 8 rows, one per button; the output code counts from 000 to 111.\n"},
    {2, 3, GateKind::kNand, true,
     "Схема 02 - Трёхразрядный шифратор с инверсными входами на логических элементах И-НЕ",
     "Scheme 02 - Three-bit encoder with inverted inputs on NAND gates",
     "Шифратор с инверсными входами: переводит номер нажатой кнопки в трёхразрядный двоичный код, но внутри схемы нажатый вход обозначается нулём.\n"
     "Входы Y0 … Y7 — кнопки данных. Нажатая кнопка даёт 1, остальные сбрасываются в 0. Каждая кнопка идёт на шину через инвертор, поэтому на линии нажатой кнопки 0, а на всех остальных линиях 1.\n"
     "Кружок на выходе инвертора и элемента И-НЕ означает инверсию. Элемент И-НЕ выдаёт 1, если хотя бы на одном его входе 0. Элемент выхода Xn подключён к линиям, в номере которых разряд n равен 1 (X0 — 1, 3, 5, 7; X1 — 2, 3, 6, 7; X2 — 4, 5, 6, 7); линия 0 не подключена никуда.\n"
     "Что увидеть: на шине единственный 0 — на линии нажатой кнопки; выходы X2 X1 X0 показывают её номер, как в схеме 01: Y5 даёт 1 0 1.\n"
     "Таблица истинности: 8 строк, по одной на кнопку, та же, что у схемы 01.\n",
     "An encoder with inverted inputs: it turns the number of the pressed button into a three-bit binary code, but inside the circuit the pressed input is marked by 0.\n"
     "Inputs Y0 … Y7 are data buttons. The pressed button gives 1 and clears the others to 0. Each button reaches the bus through an inverter, so the line of the pressed button carries 0 and every other line 1.\n"
     "A small circle at the output of an inverter or a NAND gate means inversion. A NAND gate gives 1 when at least one of its inputs is 0. The gate of output Xn takes the lines whose number has bit n set (X0 1, 3, 5, 7; X1 2, 3, 6, 7; X2 4, 5, 6, 7); line 0 goes nowhere.\n"
     "What to see: the bus holds a single 0, on the pressed button's line; outputs X2 X1 X0 show its number as in scheme 01: Y5 gives 1 0 1.\n"
     "Truth table: 8 rows, one per button, the same as scheme 01's.\n"},
    {3, 4, GateKind::kOr, false,
     "Схема 03 - Четырёхразрядный шифратор на логических элементах ИЛИ",
     "Scheme 03 - Four-bit encoder on OR gates",
     "Шифратор переводит номер нажатой кнопки в четырёхразрядный двоичный код.\n"
     "Входы Y0 … Y15 — кнопки данных. Нажатая кнопка даёт 1, остальные сбрасываются в 0: нажата всегда ровно одна.\n"
     "Каждая кнопка подаёт свой уровень на линию шины 0 … 15. Восьмивходовый элемент ИЛИ выхода Xn собирает восемь линий, в номере которых разряд n равен 1; числа у входов элементов — номера этих линий. Линия 0 не идёт ни к одному элементу.\n"
     "Что увидеть: на входах элементов светится 1 только там, где подписан номер нажатой кнопки; выходы X3 X2 X1 X0 показывают этот номер двоичным числом: Y10 даёт 1 0 1 0.\n"
     "Таблица истинности: 16 строк, по одной на кнопку; код на выходах растёт от 0000 до 1111.\n",
     "The encoder turns the number of the pressed button into a four-bit binary code.\n"
     "Inputs Y0 … Y15 are data buttons. The pressed button gives 1 and clears the others to 0: exactly one is always pressed.\n"
     "Each button drives its bus line, 0 … 15. The eight-input OR gate of output Xn collects the eight lines whose number has bit n set; the numbers at the gate inputs are those line numbers. Line 0 goes to no gate.\n"
     "What to see: a gate input shows 1 only where it is labelled with the pressed button's number; outputs X3 X2 X1 X0 show that number in binary: Y10 gives 1 0 1 0.\n"
     "Truth table: 16 rows, one per button; the output code counts from 0000 to 1111.\n"},
    {4, 4, GateKind::kNor, false,
     "Схема 04 - Четырёхразрядный шифратор на логиеских элементах ИЛИ-НЕ, НЕ",
     "Scheme 04 - Four-bit encoder on NOR and NOT gates",
     "Шифратор переводит номер нажатой кнопки в четырёхразрядный двоичный код; каждый разряд получается элементом ИЛИ-НЕ и инвертором после него.\n"
     "Входы Y0 … Y15 — кнопки данных. Нажатая кнопка даёт 1, остальные сбрасываются в 0: нажата всегда ровно одна.\n"
     "Каждая кнопка подаёт свой уровень на линию шины 0 … 15. Элемент ИЛИ-НЕ разряда n собирает линии, в номере которых разряд n равен 1. Кружок на выходе элемента означает инверсию: на его выходе ¬Xn — разряд кода, взятый с обратным знаком. Инвертор возвращает его: на выходе Xn прямой разряд. Линия 0 не идёт ни к одному элементу.\n"
     "Что увидеть: индикаторы ¬X3 … ¬X0 всегда противоположны выходам X3 … X0; Y10 даёт на выходах 1 0 1 0, а на ¬X — 0 1 0 1.\n"
     "Таблица истинности: 16 строк, по одной на кнопку; код на выходах растёт от 0000 до 1111.\n",
     "The encoder turns the number of the pressed button into a four-bit binary code; each bit comes from a NOR gate followed by an inverter.\n"
     "Inputs Y0 … Y15 are data buttons. The pressed button gives 1 and clears the others to 0: exactly one is always pressed.\n"
     "Each button drives its bus line, 0 … 15. The NOR gate of bit n collects the lines whose number has bit n set. A small circle at a gate output means inversion: the gate's output ¬Xn is the code bit inverted. The inverter turns it back: output Xn is the bit itself. Line 0 goes to no gate.\n"
     "What to see: the indicators ¬X3 … ¬X0 are always the opposite of outputs X3 … X0; Y10 gives 1 0 1 0 on the outputs and 0 1 0 1 on ¬X.\n"
     "Truth table: 16 rows, one per button; the output code counts from 0000 to 1111.\n"},
    {5, 4, GateKind::kNand, true,
     "Схема 05 - Четырёхразрядный шифратор с инверсными входами на логических элементах И-НЕ",
     "Scheme 05 - Four-bit encoder with inverted inputs on NAND gates",
     "Шифратор с инверсными входами: переводит номер нажатой кнопки в четырёхразрядный двоичный код, но внутри схемы нажатый вход обозначается нулём.\n"
     "Входы Y0 … Y15 — кнопки данных. Нажатая кнопка даёт 1, остальные сбрасываются в 0. Каждая кнопка идёт на шину через инвертор, поэтому на линии нажатой кнопки 0, а на всех остальных 1.\n"
     "Кружок на выходе инвертора и элемента И-НЕ означает инверсию. Элемент И-НЕ выдаёт 1, если хотя бы на одном его входе 0. Элемент выхода Xn подключён к восьми линиям, в номере которых разряд n равен 1; линия 0 не подключена никуда.\n"
     "Что увидеть: на шине и на входах элементов 0 стоит только там, где номер нажатой кнопки; выходы X3 X2 X1 X0 показывают этот номер: Y10 даёт 1 0 1 0.\n"
     "Таблица истинности: 16 строк, по одной на кнопку, та же, что у схемы 03.\n",
     "An encoder with inverted inputs: it turns the number of the pressed button into a four-bit binary code, but inside the circuit the pressed input is marked by 0.\n"
     "Inputs Y0 … Y15 are data buttons. The pressed button gives 1 and clears the others to 0. Each button reaches the bus through an inverter, so the pressed button's line carries 0 and every other line 1.\n"
     "A small circle at the output of an inverter or a NAND gate means inversion. A NAND gate gives 1 when at least one of its inputs is 0. The gate of output Xn takes the eight lines whose number has bit n set; line 0 goes nowhere.\n"
     "What to see: the bus and the gate inputs show 0 only where the pressed button's number stands; outputs X3 X2 X1 X0 show that number: Y10 gives 1 0 1 0.\n"
     "Truth table: 16 rows, one per button, the same as scheme 03's.\n"},
};
inline constexpr GateSchemeRow kGateDecoders[] = {
    {6, 3, GateKind::kAnd, false,
     "Схема 06 - Трёхразрядный дешифратор с инверторами на логических элементах И",
     "Scheme 06 - Three-bit decoder with inverters on AND gates",
     "Дешифратор переводит трёхразрядный двоичный код в номер выхода: из восьми выходов Y0 … Y7 в 1 стоит только один — тот, чей номер набран на входах.\n"
     "Входы X2 X1 X0 — кнопки данных, X0 — младший разряд. Каждое нажатие переключает кнопку: 0 сменяется на 1 и обратно, остальные кнопки не меняются.\n"
     "Шина из шести линий несёт каждый разряд в прямом и обратном виде: 1 — X0, 2 — ¬X0, 3 — X1, 4 — ¬X1, 5 — X2, 6 — ¬X2; обратные линии дают инверторы (кружок на выходе — инверсия). Элемент И выхода Yk берёт для каждого разряда прямую линию, если в k этот разряд равен 1, и обратную, если 0; числа у входов элементов — номера линий.\n"
     "Что увидеть: у выбранного элемента все три входа равны 1, у каждого другого хотя бы один вход 0. X2 X1 X0 = 1 0 1 зажигает Y5.\n"
     "Таблица истинности: 8 строк, код X2 X1 X0 от 000 до 111; единицы на выходах идут по диагонали.\n",
     "The decoder turns a three-bit binary code into the number of an output: of the eight outputs Y0 … Y7 only one is 1, the one whose number is set on the inputs.\n"
     "Inputs X2 X1 X0 are data buttons, X0 the least significant bit. Each press toggles a button between 0 and 1; the other buttons keep their levels.\n"
     "The six-line bus carries each bit true and inverted: 1 X0, 2 ¬X0, 3 X1, 4 ¬X1, 5 X2, 6 ¬X2; the inverted lines come from inverters (a small circle at an output means inversion). The AND gate of output Yk takes, for each bit, the true line where that bit of k is 1 and the inverted line where it is 0; the numbers at the gate inputs are line numbers.\n"
     "What to see: the selected gate has all three inputs at 1, every other gate at least one input at 0. X2 X1 X0 = 1 0 1 lights Y5.\n"
     "Truth table: 8 rows, the code X2 X1 X0 from 000 to 111; the 1s of the outputs run along the diagonal.\n"},
    {7, 3, GateKind::kNor, false,
     "Схема 07 - Трёхразрядный дешифратор с инверторами на логических элементах ИЛИ-НЕ",
     "Scheme 07 - Three-bit decoder with inverters on NOR gates",
     "Дешифратор переводит трёхразрядный двоичный код в номер выхода: из восьми выходов Y0 … Y7 в 1 стоит только один — тот, чей номер набран на входах.\n"
     "Входы X2 X1 X0 — кнопки данных, X0 — младший разряд. Каждое нажатие переключает кнопку: 0 сменяется на 1 и обратно, остальные кнопки не меняются.\n"
     "Шина из шести линий несёт каждый разряд в прямом и обратном виде: 1 — X0, 2 — ¬X0, 3 — X1, 4 — ¬X1, 5 — X2, 6 — ¬X2. Кружок на выходе инвертора и элемента ИЛИ-НЕ означает инверсию; элемент ИЛИ-НЕ выдаёт 1, только когда все его входы равны 0. Поэтому элемент выхода Yk берёт обратную линию там, где разряд k равен 1, и прямую там, где 0 — наоборот по сравнению со схемой 06.\n"
     "Что увидеть: у выбранного элемента все три входа равны 0, у каждого другого хотя бы один вход 1. X2 X1 X0 = 1 0 1 зажигает Y5.\n"
     "Таблица истинности: та же, что у схемы 06: 8 строк, единицы на выходах по диагонали.\n",
     "The decoder turns a three-bit binary code into the number of an output: of the eight outputs Y0 … Y7 only one is 1, the one whose number is set on the inputs.\n"
     "Inputs X2 X1 X0 are data buttons, X0 the least significant bit. Each press toggles a button between 0 and 1; the other buttons keep their levels.\n"
     "The six-line bus carries each bit true and inverted: 1 X0, 2 ¬X0, 3 X1, 4 ¬X1, 5 X2, 6 ¬X2. A small circle at the output of an inverter or a NOR gate means inversion; a NOR gate gives 1 only when all its inputs are 0. So the gate of output Yk takes the inverted line where that bit of k is 1 and the true line where it is 0, the other way round from scheme 06.\n"
     "What to see: the selected gate has all three inputs at 0, every other gate at least one input at 1. X2 X1 X0 = 1 0 1 lights Y5.\n"
     "Truth table: the same as scheme 06's: 8 rows, the 1s of the outputs along the diagonal.\n"},
    {8, 4, GateKind::kAnd, false,
     "Схема 08 - Четырёхразрядный дешифратор с инверторами на логических элементах И",
     "Scheme 08 - Four-bit decoder with inverters on AND gates",
     "Дешифратор переводит четырёхразрядный двоичный код в номер выхода: из шестнадцати выходов Y0 … Y15 в 1 стоит только один — тот, чей номер набран на входах.\n"
     "Входы X3 X2 X1 X0 — кнопки данных, сверху вниз от старшего разряда к младшему. Каждое нажатие переключает кнопку между 0 и 1, остальные кнопки не меняются.\n"
     "Шина из восьми линий несёт каждый разряд в прямом и обратном виде: 1 — X3, 2 — ¬X3, 3 — X2, 4 — ¬X2, 5 — X1, 6 — ¬X1, 7 — X0, 8 — ¬X0; обратные линии дают инверторы (кружок на выходе — инверсия). Элемент И выхода Yk берёт для каждого разряда прямую линию, если в k этот разряд равен 1, и обратную, если 0.\n"
     "Что увидеть: у выбранного элемента все четыре входа равны 1, у каждого другого хотя бы один вход 0. Нажатие верхней кнопки X3 из начального состояния зажигает Y8, нижней X0 — Y1.\n"
     "Таблица истинности: 16 строк, код X3 X2 X1 X0 от 0000 до 1111; единицы на выходах по диагонали.\n",
     "The decoder turns a four-bit binary code into the number of an output: of the sixteen outputs Y0 … Y15 only one is 1, the one whose number is set on the inputs.\n"
     "Inputs X3 X2 X1 X0 are data buttons, from the most significant bit at the top to the least significant at the bottom. Each press toggles a button between 0 and 1; the others keep their levels.\n"
     "The eight-line bus carries each bit true and inverted: 1 X3, 2 ¬X3, 3 X2, 4 ¬X2, 5 X1, 6 ¬X1, 7 X0, 8 ¬X0; the inverted lines come from inverters (a small circle at an output means inversion). The AND gate of output Yk takes, for each bit, the true line where that bit of k is 1 and the inverted line where it is 0.\n"
     "What to see: the selected gate has all four inputs at 1, every other gate at least one input at 0. From the starting state a press on the top button X3 lights Y8, on the bottom one X0 lights Y1.\n"
     "Truth table: 16 rows, the code X3 X2 X1 X0 from 0000 to 1111; the 1s of the outputs along the diagonal.\n"},
    {9, 4, GateKind::kNor, false,
     "Схема 09 - Четырёхразрядный дешифратор с инверторами на логических элементах ИЛИ-НЕ",
     "Scheme 09 - Four-bit decoder with inverters on NOR gates",
     "Дешифратор переводит четырёхразрядный двоичный код в номер выхода: из шестнадцати выходов Y0 … Y15 в 1 стоит только один — тот, чей номер набран на входах.\n"
     "Входы X3 X2 X1 X0 — кнопки данных, сверху вниз от старшего разряда к младшему. Каждое нажатие переключает кнопку между 0 и 1, остальные кнопки не меняются.\n"
     "Шина из восьми линий несёт каждый разряд в прямом и обратном виде: 1 — X3, 2 — ¬X3, 3 — X2, 4 — ¬X2, 5 — X1, 6 — ¬X1, 7 — X0, 8 — ¬X0. Кружок на выходе инвертора и элемента ИЛИ-НЕ означает инверсию; элемент ИЛИ-НЕ выдаёт 1, только когда все его входы равны 0. Поэтому элемент выхода Yk берёт обратную линию там, где разряд k равен 1, и прямую там, где 0.\n"
     "Что увидеть: у выбранного элемента все четыре входа равны 0, у каждого другого хотя бы один вход 1. Нажатие верхней кнопки X3 из начального состояния зажигает Y8.\n"
     "Таблица истинности: та же, что у схемы 08: 16 строк, единицы на выходах по диагонали.\n",
     "The decoder turns a four-bit binary code into the number of an output: of the sixteen outputs Y0 … Y15 only one is 1, the one whose number is set on the inputs.\n"
     "Inputs X3 X2 X1 X0 are data buttons, from the most significant bit at the top to the least significant at the bottom. Each press toggles a button between 0 and 1; the others keep their levels.\n"
     "The eight-line bus carries each bit true and inverted: 1 X3, 2 ¬X3, 3 X2, 4 ¬X2, 5 X1, 6 ¬X1, 7 X0, 8 ¬X0. A small circle at the output of an inverter or a NOR gate means inversion; a NOR gate gives 1 only when all its inputs are 0. So the gate of output Yk takes the inverted line where that bit of k is 1 and the true line where it is 0.\n"
     "What to see: the selected gate has all four inputs at 0, every other gate at least one input at 1. From the starting state a press on the top button X3 lights Y8.\n"
     "Truth table: the same as scheme 08's: 16 rows, the 1s of the outputs along the diagonal.\n"},
};
// clang-format on

/// The prefix of a gate's input indicators: "OR", "ANDNOT", "AND", "ORNOT".
constexpr std::string_view GateInputPrefix(GateKind kind) {
  constexpr std::array<std::string_view, 4> kPrefixes = {"OR", "ANDNOT", "AND", "ORNOT"};
  return kPrefixes[static_cast<size_t>(kind)];
}

constexpr TSEProc GateProc(GateKind kind) {
  constexpr std::array<TSEProc, 4> kProcs = {seOr, seNand, seAnd, seNor};
  return kProcs[static_cast<size_t>(kind)];
}

/// The routing element between the bus and the gate inputs of a row of `family`.
constexpr TSEProc GateRouteProc(SchemeFamily family, const GateSchemeRow& row) {
  if (family == SchemeFamily::kGateEncoder) return row.bits == 3 ? seRoute01 : seRoute03;
  if (row.bits == 3) return row.gate == GateKind::kAnd ? seRoute06 : seRoute07;
  return row.gate == GateKind::kAnd ? seRoute08 : seRoute09;
}

inline constexpr int kDecoderColumns3[] = {0, 8};
inline constexpr int kDecoderColumns4[] = {0, 6, 12, 16};

/// The decoders' gates stand in columns: the first gate of each column, then the gate count.
constexpr std::span<const int> DecoderColumns(int bits) {
  return bits == 3 ? std::span<const int>(kDecoderColumns3) : kDecoderColumns4;
}

/// The row of gate scheme `number`, or nullptr.
constexpr const GateSchemeRow* FindGateScheme(int number) {
  for (const GateSchemeRow& row : kGateEncoders) {
    if (row.number == number) return &row;
  }
  for (const GateSchemeRow& row : kGateDecoders) {
    if (row.number == number) return &row;
  }
  return nullptr;
}

}  // namespace kvir
