// The texts about the sixteen schemes. Each about-text is a few paragraphs, one per line, in the
// order: what the scheme does; its inputs and their roles; the small circles; what a student
// should see; the shape of its truth table (as `kvir-cli table N --labels` prints it).

#include "circuit/scheme_texts.h"

#include <array>
#include <stdexcept>
#include <string>

#include "circuit/schemes.h"

namespace kvir {
namespace {

struct SchemeTexts {
  std::string_view title_en;
  std::string_view about_ru;
  std::string_view about_en;
};

// clang-format off
constexpr std::array<SchemeTexts, kSchemeCount> kTexts = {{
// 01
{"Scheme 01 - Three-bit encoder on OR gates",
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
// 02
{"Scheme 02 - Three-bit encoder with inverted inputs on NAND gates",
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
// 03
{"Scheme 03 - Four-bit encoder on OR gates",
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
// 04
{"Scheme 04 - Four-bit encoder on NOR and NOT gates",
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
// 05
{"Scheme 05 - Four-bit encoder with inverted inputs on NAND gates",
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
// 06
{"Scheme 06 - Three-bit decoder with inverters on AND gates",
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
// 07
{"Scheme 07 - Three-bit decoder with inverters on NOR gates",
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
// 08
{"Scheme 08 - Four-bit decoder with inverters on AND gates",
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
// 09
{"Scheme 09 - Four-bit decoder with inverters on NOR gates",
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
// 10
{"Scheme 10 - Three-bit encoder on the 155IV1 chip",
 "Шифратор на микросхеме 155ИВ1 (CD): номер нажатой кнопки данных появляется на выходах D1 D2 D3 в виде трёхразрядного кода, взятого с обратным знаком.\n"
 "Кнопки 0 … 7 — входы данных: нажатие кнопки делает её единственной нажатой, повторное нажатие отпускает её. Кнопка V — вход разрешения: каждое нажатие переключает её, кнопки данных при этом не меняются.\n"
 "Кружок у вывода микросхемы означает, что вывод активен при 0 (инверсный). У 155ИВ1 инверсны все выводы, поэтому кнопки подключены через инверторы: нажатая кнопка (1) даёт 0 на своём выводе, индикаторы у выводов показывают уровень на самих выводах. Выход S равен 0, когда нажата какая-нибудь кнопка данных; D1 — разряд веса 4, D3 — веса 1.\n"
 "Что увидеть: при нажатой V кнопка 5 даёт S D1 D2 D3 = 0 0 1 0 (число 5 = 101 наоборот). Когда V отпущена, микросхема выключена и все выходы равны 1, какая бы кнопка ни была нажата. После выбора схемы V нажата, кнопки данных отпущены.\n"
 "Таблица истинности: 18 строк: без нажатой кнопки данных и с каждой из восьми, каждая при V = 0 и V = 1; строки с V = 0 — микросхема выключена.\n",
 "An encoder on the 155IV1 chip (CD): the number of the pressed data button appears on outputs D1 D2 D3 as a three-bit code with every bit inverted.\n"
 "Buttons 0 … 7 are data inputs: a press makes a button the only one pressed, a second press releases it. Button V is the enable input: each press toggles it and leaves the data buttons as they are.\n"
 "A small circle at a chip pin means the pin is active at 0 (active low). Every pin of the 155IV1 is active low, so the buttons reach it through inverters: a pressed button (1) puts 0 on its pin, and the indicators at the pins show the levels on the pins themselves. Output S is 0 when some data button is pressed; D1 is the bit of weight 4, D3 of weight 1.\n"
 "What to see: with V pressed, button 5 gives S D1 D2 D3 = 0 0 1 0 (5 = 101, inverted). With V released the chip is switched off and every output is 1, whatever data button is pressed. After the scheme is selected V is pressed and no data button is.\n"
 "Truth table: 18 rows: no data button and each of the eight, each with V = 0 and V = 1; the rows with V = 0 have the chip switched off.\n"},
// 11
{"Scheme 11 - Two-bit decoder (dual) on the 155ID4 chip",
 "Микросхема 155ИД4 (2DC) как два двухразрядных дешифратора с общим адресом: половина E с выходами E1 … E4 и половина D с выходами D1 … D4.\n"
 "A и B — входы адреса (A — разряд веса 2, B — веса 1), общие для обеих половин. S1 и Ē разрешают половину E, S2 и D — половину D. Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Выводы S1, Ē и S2 инверсны, поэтому их кнопки подключены через инверторы: нажатая кнопка даёт 0 на выводе и разрешает работу. Вывод D прямой и подключён к своей кнопке напрямую. Все выходы инверсны: выбранный выход показывает 0, остальные 1.\n"
 "Что увидеть: половина включена, когда нажаты обе её кнопки разрешения; тогда она ставит 0 на выход номер 2·A + B + 1 (A = 1, B = 0 — E3 и D3). Выключенная половина показывает 1 на всех четырёх выходах. После выбора схемы нажаты S1, Ē, S2 и D, адрес 00: в 0 стоят E1 и D1.\n"
 "Таблица истинности: 64 строки: сначала четыре входа разрешения S1 Ē S2 D, затем адрес A B; при каждом наборе разрешений адрес проходит от 00 до 11. Строки, где обе половины выключены, можно скрыть.\n",
 "The 155ID4 chip (2DC) as two two-bit decoders sharing one address: half E with outputs E1 … E4 and half D with outputs D1 … D4.\n"
 "A and B are the address inputs (A the bit of weight 2, B of weight 1), shared by both halves. S1 and Ē enable half E, S2 and D half D. Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. Pins S1, Ē and S2 are active low, so their buttons reach them through inverters: a pressed button puts 0 on the pin and enables. Pin D is active high and takes its button directly. All outputs are active low: the selected output shows 0, the others 1.\n"
 "What to see: a half works when both of its enable buttons are pressed; it then puts 0 on output number 2·A + B + 1 (A = 1, B = 0: E3 and D3). A half switched off shows 1 on all four outputs. After the scheme is selected S1, Ē, S2 and D are pressed and the address is 00: E1 and D1 show 0.\n"
 "Truth table: 64 rows: first the four enable inputs S1 Ē S2 D, then the address A B; for every set of enables the address runs from 00 to 11. The rows in which both halves are switched off can be hidden.\n"},
// 12
{"Scheme 12 - Three-bit decoder on the 155ID4 chip",
 "Две половины микросхемы 155ИД4 (2DC), соединённые в один трёхразрядный дешифратор: код на кнопках 4, 2, 1 выбирает один из восьми выходов.\n"
 "Кнопки 4, 2, 1 — входы данных, подписанные весами разрядов. V — вход разрешения. Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Линия разряда 4 идёт на Ē (инверсный) и на D (прямой): при 0 работает половина E (выходы E1 … E4 — номера 0 … 3), при 1 — половина D (D1 … D4 — номера 4 … 7). Разряды 2 и 1 идут на адрес A и B. Кнопка V подключена через инвертор к обоим стробам S1 и S2. Выходы инверсны: выбранный выход показывает 0.\n"
 "Что увидеть: при нажатой V в 0 стоит выход, номер которого набран на кнопках 4, 2, 1, остальные равны 1: код 1 0 1 (число 5) даёт 0 на D2. При отпущенной V все восемь выходов равны 1. После выбора схемы нажата только V, в 0 стоит E1.\n"
 "Таблица истинности: 16 строк: V, затем разряды 4, 2, 1, затем выходы E1 … E4, D1 … D4; при каждом коде две строки, V = 0 (схема выключена) и V = 1.\n",
 "The two halves of the 155ID4 chip (2DC) joined into one three-bit decoder: the code on buttons 4, 2, 1 selects one of eight outputs.\n"
 "Buttons 4, 2, 1 are data inputs, labelled with the weights of their bits. V is the enable input. Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. The line of bit 4 goes to Ē (active low) and to D (active high): at 0 half E works (outputs E1 … E4, numbers 0 … 3), at 1 half D (D1 … D4, numbers 4 … 7). Bits 2 and 1 go to the address pins A and B. Button V reaches both strobes S1 and S2 through an inverter. The outputs are active low: the selected output shows 0.\n"
 "What to see: with V pressed, the output whose number is set on buttons 4, 2, 1 shows 0 and the others 1: the code 1 0 1 (number 5) gives 0 on D2. With V released all eight outputs are 1. After the scheme is selected only V is pressed and E1 shows 0.\n"
 "Truth table: 16 rows: V, then bits 4, 2, 1, then outputs E1 … E4, D1 … D4; two rows for every code, V = 0 (circuit switched off) and V = 1.\n"},
// 13
{"Scheme 13 - Four-bit decoder on the 155ID3 chip",
 "Микросхема 155ИД3 (DC) — четырёхразрядный дешифратор: код на входах адреса выбирает один из шестнадцати выходов 0 … 15.\n"
 "Кнопки 1, 2, 3, 4 — входы адреса с весами 1, 2, 4, 8: здесь верхняя кнопка — младший разряд. S1 и S2 — стробы (входы разрешения). Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Стробы S1 и S2 инверсны, поэтому их кнопки подключены через инверторы: нажатая кнопка даёт 0 на выводе. Все выходы инверсны: выбранный выход показывает 0, остальные 1.\n"
 "Что увидеть: при нажатых S1 и S2 в 0 стоит выход, номер которого набран на кнопках адреса: одна нажатая кнопка 4 даёт 0 на выходе 8, кнопки 1 и 3 — на выходе 5. Если отпустить S1 или S2, все выходы станут 1, а индикаторы адреса у микросхемы по-прежнему следуют за кнопками. После выбора схемы нажаты S1 и S2, адрес 0000: в 0 стоит выход 0.\n"
 "Таблица истинности: 64 строки: сначала стробы S1 S2, затем адрес от веса 8 к весу 1 (кнопки 4, 3, 2, 1), затем выходы 0 … 15. При каждом адресе четыре набора стробов; работает только набор 1 1, строки трёх других (схема выключена) можно скрыть.\n",
 "The 155ID3 chip (DC) as a four-bit decoder: the code on the address inputs selects one of the sixteen outputs 0 … 15.\n"
 "Buttons 1, 2, 3, 4 are the address inputs of weights 1, 2, 4, 8: here the top button is the least significant bit. S1 and S2 are strobes (enable inputs). Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. The strobes S1 and S2 are active low, so their buttons reach them through inverters: a pressed button puts 0 on the pin. All outputs are active low: the selected output shows 0, the others 1.\n"
 "What to see: with S1 and S2 pressed, the output whose number is set on the address buttons shows 0: button 4 alone gives 0 on output 8, buttons 1 and 3 on output 5. Releasing S1 or S2 turns every output to 1, while the address indicators at the chip still follow the buttons. After the scheme is selected S1 and S2 are pressed and the address is 0000: output 0 shows 0.\n"
 "Truth table: 64 rows: first the strobes S1 S2, then the address from weight 8 down to weight 1 (buttons 4, 3, 2, 1), then outputs 0 … 15. Every address has four sets of strobes; only 1 1 works, and the rows of the other three (circuit switched off) can be hidden.\n"},
// 14
{"Scheme 14 - Six-bit decoder (incomplete) on 155ID4 chips",
 "Неполный шестиразрядный дешифратор из двух микросхем 155ИД4 (2DC): D1 дешифрирует разряды 1 … 3, а его выход D3 включает D2, которая дешифрирует разряды 4 … 6 на восемь выходов схемы. Из 64 кодов до выходов доходят только 8.\n"
 "Кнопки 1 … 6 — разряды кода, 1 — старший. S — строб (вход разрешения) первой микросхемы. Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхемы D1. В каждой микросхеме первый разряд своей тройки идёт на Ē и D и выбирает половину (0 — E1 … E4, 1 — D1 … D4), два других — на адрес A и B. Выход D3 микросхемы D1 (число 6) подан на стробы D2. Выходы инверсны: выбранный выход показывает 0.\n"
 "Что увидеть: D1 ставит 0 на выход, номер которого набран на кнопках 1, 2, 3 (выходы E1 … E4, D1 … D4 — номера 0 … 7). Только при коде 1 1 0 включается D2 и ставит 0 на выход схемы с номером, набранным на кнопках 4, 5, 6; иначе все выходы схемы равны 1. После выбора схемы нажаты S, 1 и 2: D2 включена, в 0 стоит выход E1.\n"
 "Таблица истинности: 128 строк: S, затем разряды 1 … 6, затем выходы E1 … E4, D1 … D4 микросхемы D2. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 110000 … 110111.\n",
 "An incomplete six-bit decoder of two 155ID4 chips (2DC): D1 decodes bits 1 … 3, and its output D3 switches on D2, which decodes bits 4 … 6 onto the eight outputs of the scheme. Only 8 of the 64 codes reach the outputs.\n"
 "Buttons 1 … 6 are the bits of the code, 1 the most significant. S is the strobe (enable input) of the first chip. Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 through an inverter. In each chip the first bit of its three goes to Ē and D and selects the half (0: E1 … E4, 1: D1 … D4), the other two go to the address pins A and B. Output D3 of D1 (number 6) drives the strobes of D2. The outputs are active low: the selected output shows 0.\n"
 "What to see: D1 puts 0 on the output whose number is set on buttons 1, 2, 3 (outputs E1 … E4, D1 … D4 are numbers 0 … 7). Only with the code 1 1 0 does D2 switch on and put 0 on the scheme output whose number is set on buttons 4, 5, 6; otherwise every scheme output is 1. After the scheme is selected S, 1 and 2 are pressed: D2 is on and output E1 shows 0.\n"
 "Truth table: 128 rows: S, then bits 1 … 6, then D2's outputs E1 … E4, D1 … D4. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 110000 … 110111 put a 0 on an output.\n"},
// 15
{"Scheme 15 - Eight-bit decoder (incomplete) on 155ID3 chips",
 "Неполный восьмиразрядный дешифратор из двух микросхем 155ИД3 (DC): D1 дешифрирует разряды 1 … 4, а его выход 5 включает D2, которая дешифрирует разряды 5 … 8 на шестнадцать выходов схемы. Из 256 кодов до выходов доходят только 16.\n"
 "Кнопки 1 … 8 — разряды кода; в каждой четвёрке младший разряд — кнопка с меньшим номером (1 и 5), и первая четвёрка старше второй. S — строб (вход разрешения) микросхемы D1. Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхемы D1; её выход 5 подан на оба строба D2. Выходы инверсны: выбранный выход показывает 0.\n"
 "Что увидеть: D1 ставит 0 на выход, номер которого набран на кнопках 1 … 4. Только при числе 5 (нажаты кнопки 1 и 3, отпущены 2 и 4) включается D2 и ставит 0 на выход схемы с номером, набранным на кнопках 5 … 8; иначе все выходы схемы равны 1. После выбора схемы нажаты 1, 3 и S: в 0 стоит выход 0.\n"
 "Таблица истинности: 512 строк: S, затем разряды 4, 3, 2, 1, 8, 7, 6, 5 (от старшего к младшему), затем выходы 0 … 15. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 0101 xxxx.\n",
 "An incomplete eight-bit decoder of two 155ID3 chips (DC): D1 decodes bits 1 … 4, and its output 5 switches on D2, which decodes bits 5 … 8 onto the sixteen outputs of the scheme. Only 16 of the 256 codes reach the outputs.\n"
 "Buttons 1 … 8 are the bits of the code; in each group of four the least significant bit is the lower-numbered button (1 and 5), and the first group is the more significant. S is the strobe (enable input) of chip D1. Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 through an inverter; D1's output 5 drives both strobes of D2. The outputs are active low: the selected output shows 0.\n"
 "What to see: D1 puts 0 on the output whose number is set on buttons 1 … 4. Only at number 5 (buttons 1 and 3 pressed, 2 and 4 released) does D2 switch on and put 0 on the scheme output whose number is set on buttons 5 … 8; otherwise every scheme output is 1. After the scheme is selected 1, 3 and S are pressed: output 0 shows 0.\n"
 "Truth table: 512 rows: S, then bits 4, 3, 2, 1, 8, 7, 6, 5 (most significant first), then outputs 0 … 15. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 0101 xxxx put a 0 on an output.\n"},
// 16
{"Scheme 16 - Ten-bit decoder (incomplete) on 155ID3 and 155ID4 chips",
 "Неполный десятиразрядный дешифратор: две микросхемы 155ИД4 (D1, D2) дешифрируют разряды 1 … 3 и 4 … 6 и своими выходами включают стробы микросхемы 155ИД3 (D3), которая дешифрирует разряды 7 … 10 на шестнадцать выходов схемы. Из 1024 кодов до выходов доходят только 16.\n"
 "Кнопки 1 … 10 — разряды кода, 1 — старший, 10 — младший. S — строб (вход разрешения) микросхем D1 и D2. Каждое нажатие переключает кнопку между 0 и 1.\n"
 "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхем D1 и D2. В D1 и D2 первый разряд тройки идёт на Ē и D и выбирает половину, два других — на адрес A и B. Строб S1 микросхемы D3 берёт выход D2 микросхемы D1 (число 5), строб S2 — выход E3 микросхемы D2 (число 2). Выходы инверсны: выбранный выход показывает 0.\n"
 "Что увидеть: D3 включается, только когда на кнопках 1 … 3 код 1 0 1, а на кнопках 4 … 6 — 0 1 0; тогда в 0 стоит выход схемы с номером, набранным на кнопках 7 … 10. Иначе все выходы схемы равны 1. После выбора схемы нажаты S, 1, 3 и 5: в 0 стоит выход 0.\n"
 "Таблица истинности: 2048 строк: S, затем разряды 1 … 10, затем выходы 0 … 15. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 101 010 xxxx.\n",
 "An incomplete ten-bit decoder: two 155ID4 chips (D1, D2) decode bits 1 … 3 and 4 … 6 and through their outputs switch on the strobes of a 155ID3 chip (D3), which decodes bits 7 … 10 onto the sixteen outputs of the scheme. Only 16 of the 1024 codes reach the outputs.\n"
 "Buttons 1 … 10 are the bits of the code, 1 the most significant, 10 the least. S is the strobe (enable input) of D1 and D2. Each press toggles a button between 0 and 1.\n"
 "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 and D2 through an inverter. In D1 and D2 the first bit of the three goes to Ē and D and selects the half, the other two go to the address pins A and B. Strobe S1 of D3 takes output D2 of D1 (number 5), strobe S2 output E3 of D2 (number 2). The outputs are active low: the selected output shows 0.\n"
 "What to see: D3 switches on only when buttons 1 … 3 hold 1 0 1 and buttons 4 … 6 hold 0 1 0; then the scheme output whose number is set on buttons 7 … 10 shows 0. Otherwise every scheme output is 1. After the scheme is selected S, 1, 3 and 5 are pressed: output 0 shows 0.\n"
 "Truth table: 2048 rows: S, then bits 1 … 10, then outputs 0 … 15. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 101 010 xxxx put a 0 on an output.\n"},
}};
// clang-format on

const SchemeTexts& TextsOf(int n) {
  if (n < 1 || n > kSchemeCount) throw std::out_of_range("no scheme " + std::to_string(n));
  return kTexts[n - 1];
}

}  // namespace

std::string_view SchemeTitle(int n, Language language) {
  const SchemeTexts& texts = TextsOf(n);
  return language == Language::kEnglish ? texts.title_en : kSchemeTable[n - 1].def->title;
}

std::string_view AboutScheme(int n, Language language) {
  const SchemeTexts& texts = TextsOf(n);
  return language == Language::kEnglish ? texts.about_en : texts.about_ru;
}

}  // namespace kvir
