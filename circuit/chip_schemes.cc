// Schemes 10 … 16, the encoders and decoders on series-155 chips, as tables: each scheme's
// places, elements and press steps, then its row with its titles and texts.

#include <algorithm>

#include "circuit/schemes.h"
#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"

namespace kvir {
namespace {

using enum ChipType;

constexpr Legend Button(std::string_view labels) {
  return {Role::kInput, labels};
}
constexpr Legend Enable(std::string_view labels) {
  return {Role::kEnable, labels};
}
constexpr Legend Lines(std::string_view labels) {
  return {Role::kBusLine, labels};
}
/// Input pins of chip D`chip` from pin `first` on.
constexpr Legend Pins(ChipType type, uint8_t first = 0, uint8_t chip = 1) {
  return {Role::kChipPin, "", {chip, type, false, first}};
}
/// Output pins of chip D`chip`: the scheme's outputs, or pins feeding a further chip. A decoder
/// chip selects one output by a low level.
constexpr Legend Outputs(ChipType type, uint8_t chip = 1, Role role = Role::kOutput) {
  const bool decoder = type == k155ID3 || type == k155ID4;
  return {role, "", {chip, type, true, 0}, decoder ? ActiveLevel::kLow : ActiveLevel::kNone};
}

/// The rows of a chip's input pins below its first one: 155ИД4 (S1 Ē A B S2 D), 155ИД3.
constexpr int kID4Rows[] = {0, 28, 70, 126, 168, 196};
constexpr int kID3Rows[] = {0, 28, 56, 84, 392, 420};
constexpr std::span<const int> ID4Rows(size_t first, size_t count = 6) {
  return std::span(kID4Rows).subspan(first, std::min(count, 6 - first));
}

constexpr Step kDown = {0, 28};

// Scheme 10: three-bit encoder on the 155IV1 chip.
constexpr PlaceRow kPlaces10[] = {
    {"CD00", Pins(k155IV1), 334, 208},
    {"IN[00..07]", Button("#"), 286, 208, kDown},
    {"IN08", Enable("V"), 286, 432},
    {"CD[01..08]", Pins(k155IV1, 1), 334, 236, kDown},
    {"OUT[00..03]", Outputs(k155IV1), 510, 208, kDown},
};
static_assert(CountPlaces(kPlaces10) == 22);
constexpr ElementRow kNetlist10[] = {
    {seInvert, "IN[00..08]", "CD[00..08]"},
    {se155IV1, "CD[00..08]", "OUT[00..03]"},
};
constexpr PressRow kPress10[] = {{1, 1, "CD[00..08]"}, {2, 2, "OUT[00..03]"}};

// clang-format off
constexpr SchemeDef kScheme10 = {
    .number = 10,
    .title = "Схема 10 - Трёхразрядный шифратор на базе микросхемы 155ИВ1",
    .title_en = "Scheme 10 - Three-bit encoder on the 155IV1 chip",
    .picture = {282, 202, 256, 260},
    .places = kPlaces10,
    .buttons = "IN[00..08]",
    .mode = InputMode::kOneHotWithToggle,
    .toggle = "IN08",
    .netlist = kNetlist10,
    .press = kPress10,
    .initial = "IN[00..08]=0",
    .start = "IN08",
    .buttons_labelled = false,
    .data_by_weight = "IN07 IN06 IN05 IN04 IN03 IN02 IN01 IN00",  // button k has weight k
    .outputs_by_weight = "OUT[01..03]",  // D1 D2 D3: weights 4, 2, 1
    .about_ru =
        "Шифратор на микросхеме 155ИВ1 (CD): номер нажатой кнопки данных появляется на выходах D1 D2 D3 в виде трёхразрядного кода, взятого с обратным знаком.\n"
        "Кнопки 0 … 7 — входы данных: нажатие кнопки делает её единственной нажатой, повторное нажатие отпускает её. Кнопка V — вход разрешения: каждое нажатие переключает её, кнопки данных при этом не меняются.\n"
        "Кружок у вывода микросхемы означает, что вывод активен при 0 (инверсный). У 155ИВ1 инверсны все выводы, поэтому кнопки подключены через инверторы: нажатая кнопка (1) даёт 0 на своём выводе, индикаторы у выводов показывают уровень на самих выводах. Выход S равен 0, когда нажата какая-нибудь кнопка данных; D1 — разряд веса 4, D3 — веса 1.\n"
        "Что увидеть: при нажатой V кнопка 5 даёт S D1 D2 D3 = 0 0 1 0 (число 5 = 101 наоборот). Когда V отпущена, микросхема выключена и все выходы равны 1, какая бы кнопка ни была нажата. После выбора схемы V нажата, кнопки данных отпущены.\n"
        "Таблица истинности: 18 строк: без нажатой кнопки данных и с каждой из восьми, каждая при V = 0 и V = 1; строки с V = 0 — микросхема выключена.\n",
    .about_en =
        "An encoder on the 155IV1 chip (CD): the number of the pressed data button appears on outputs D1 D2 D3 as a three-bit code with every bit inverted.\n"
        "Buttons 0 … 7 are data inputs: a press makes a button the only one pressed, a second press releases it. Button V is the enable input: each press toggles it and leaves the data buttons as they are.\n"
        "A small circle at a chip pin means the pin is active at 0 (active low). Every pin of the 155IV1 is active low, so the buttons reach it through inverters: a pressed button (1) puts 0 on its pin, and the indicators at the pins show the levels on the pins themselves. Output S is 0 when some data button is pressed; D1 is the bit of weight 4, D3 of weight 1.\n"
        "What to see: with V pressed, button 5 gives S D1 D2 D3 = 0 0 1 0 (5 = 101, inverted). With V released the chip is switched off and every output is 1, whatever data button is pressed. After the scheme is selected V is pressed and no data button is.\n"
        "Truth table: 18 rows: no data button and each of the eight, each with V = 0 and V = 1; the rows with V = 0 have the chip switched off.\n"
};
// clang-format on

// Scheme 11: dual two-bit decoder on the 155ID4 chip; S1 and Ē enable its E half, S2 and D its D
// half.
constexpr PlaceRow kPlaces11[] = {
    {"DC00", Pins(k155ID4), 334, 222},
    {"IN[00..01]", Enable("S1 Ē"), 286, 222, {}, {}, ID4Rows(0, 2)},
    {"IN[02..03]", Button("A B"), 286, 222, {}, {}, ID4Rows(2, 2)},
    {"IN[04..05]", Enable("S2 D"), 286, 222, {}, {}, ID4Rows(4)},
    {"DC[01..05]", Pins(k155ID4, 1), 334, 222, {}, {}, ID4Rows(1)},
    {"OUT[00..07]", Outputs(k155ID4), 510, 222, kDown},
};
static_assert(CountPlaces(kPlaces11) == 20);
constexpr ElementRow kNetlist11[] = {
    {seRepeat, "IN02 IN03 IN05", "DC02 DC03 DC05"},
    {seInvert, "IN00 IN01 IN04", "DC00 DC01 DC04"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress11[] = {{1, 2, "DC[00..05]"}, {3, 3, "OUT[00..07]"}};

// clang-format off
constexpr SchemeDef kScheme11 = {
    .number = 11,
    .title = "Схема 11 - Двухразрядный дешифратор (сдвоенный) на базе микросхемы 155ИД4",
    .title_en = "Scheme 11 - Two-bit decoder (dual) on the 155ID4 chip",
    .picture = {282, 216, 256, 232},
    .places = kPlaces11,
    .buttons = "IN[00..05]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist11,
    .press = kPress11,
    .initial = "IN00=1 IN01=1 IN02=0 IN03=0 IN04=1 IN05=0",
    .start = "IN05",
    .buttons_labelled = false,
    .data_by_weight = "IN02 IN03",  // A (weight 2), B (weight 1)
    .about_ru =
        "Микросхема 155ИД4 (2DC) как два двухразрядных дешифратора с общим адресом: половина E с выходами E1 … E4 и половина D с выходами D1 … D4.\n"
        "A и B — входы адреса (A — разряд веса 2, B — веса 1), общие для обеих половин. S1 и Ē разрешают половину E, S2 и D — половину D. Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Выводы S1, Ē и S2 инверсны, поэтому их кнопки подключены через инверторы: нажатая кнопка даёт 0 на выводе и разрешает работу. Вывод D прямой и подключён к своей кнопке напрямую. Все выходы инверсны: выбранный выход показывает 0, остальные 1.\n"
        "Что увидеть: половина включена, когда нажаты обе её кнопки разрешения; тогда она ставит 0 на выход номер 2·A + B + 1 (A = 1, B = 0 — E3 и D3). Выключенная половина показывает 1 на всех четырёх выходах. После выбора схемы нажаты S1, Ē, S2 и D, адрес 00: в 0 стоят E1 и D1.\n"
        "Таблица истинности: 64 строки: сначала четыре входа разрешения S1 Ē S2 D, затем адрес A B; при каждом адресе шестнадцать наборов разрешений. Строки, где обе половины выключены, можно скрыть.\n",
    .about_en =
        "The 155ID4 chip (2DC) as two two-bit decoders sharing one address: half E with outputs E1 … E4 and half D with outputs D1 … D4.\n"
        "A and B are the address inputs (A the bit of weight 2, B of weight 1), shared by both halves. S1 and Ē enable half E, S2 and D half D. Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. Pins S1, Ē and S2 are active low, so their buttons reach them through inverters: a pressed button puts 0 on the pin and enables. Pin D is active high and takes its button directly. All outputs are active low: the selected output shows 0, the others 1.\n"
        "What to see: a half works when both of its enable buttons are pressed; it then puts 0 on output number 2·A + B + 1 (A = 1, B = 0: E3 and D3). A half switched off shows 1 on all four outputs. After the scheme is selected S1, Ē, S2 and D are pressed and the address is 00: E1 and D1 show 0.\n"
        "Truth table: 64 rows: first the four enable inputs S1 Ē S2 D, then the address A B; every address has sixteen sets of enables. The rows in which both halves are switched off can be hidden.\n"
};
// clang-format on

// Scheme 12: three-bit decoder on the two halves of the 155ID4 chip. Bus line 0 carries the bit
// of weight 4 to Ē and D, line 3 the inverted enable V to both strobes.
constexpr PlaceRow kPlaces12[] = {
    {"BUS00", Lines("0"), 290, 250},
    {"IN[00..02]", Button("4 2 1"), 242, 222, {}, {}, ID4Rows(1, 3)},
    {"IN03", Enable("V"), 242, 390},
    {"BUS[01..03]", Lines("#"), 290, 222, {}, {}, ID4Rows(2, 3)},
    {"DC[00..05]", Pins(k155ID4), 378, 222, {}, {}, kID4Rows},
    {"OUT[00..07]", Outputs(k155ID4), 554, 222, kDown},
};
static_assert(CountPlaces(kPlaces12) == 22);
constexpr ElementRow kNetlist12[] = {
    {seRepeat, "IN[00..02]", "BUS[00..02]"},
    {seInvert, "IN03", "BUS03"},
    {seRoute12, "BUS[00..03]", "DC[00..05]"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress12[] = {
    {1, 2, "BUS[00..03]"}, {3, 3, "DC[00..05]"}, {4, 4, "OUT[00..07]"}};

// clang-format off
constexpr SchemeDef kScheme12 = {
    .number = 12,
    .title = "Схема 12 - Трёхразрядный дешифратор на базе микросхемы 155ИД4",
    .title_en = "Scheme 12 - Three-bit decoder on the 155ID4 chip",
    .picture = {238, 216, 344, 232},
    .places = kPlaces12,
    .buttons = "IN[00..03]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist12,
    .press = kPress12,
    .initial = "IN[00..03]=0",
    .start = "IN03",
    .data_by_weight = "IN[00..02]",  // bits of weight 4, 2, 1
    .about_ru =
        "Две половины микросхемы 155ИД4 (2DC), соединённые в один трёхразрядный дешифратор: код на кнопках 4, 2, 1 выбирает один из восьми выходов.\n"
        "Кнопки 4, 2, 1 — входы данных, подписанные весами разрядов. V — вход разрешения. Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Линия разряда 4 идёт на Ē (инверсный) и на D (прямой): при 0 работает половина E (выходы E1 … E4 — номера 0 … 3), при 1 — половина D (D1 … D4 — номера 4 … 7). Разряды 2 и 1 идут на адрес A и B. Кнопка V подключена через инвертор к обоим стробам S1 и S2. Выходы инверсны: выбранный выход показывает 0.\n"
        "Что увидеть: при нажатой V в 0 стоит выход, номер которого набран на кнопках 4, 2, 1, остальные равны 1: код 1 0 1 (число 5) даёт 0 на D2. При отпущенной V все восемь выходов равны 1. После выбора схемы нажата только V, в 0 стоит E1.\n"
        "Таблица истинности: 16 строк: V, затем разряды 4, 2, 1, затем выходы E1 … E4, D1 … D4; при каждом коде две строки, V = 0 (схема выключена) и V = 1.\n",
    .about_en =
        "The two halves of the 155ID4 chip (2DC) joined into one three-bit decoder: the code on buttons 4, 2, 1 selects one of eight outputs.\n"
        "Buttons 4, 2, 1 are data inputs, labelled with the weights of their bits. V is the enable input. Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. The line of bit 4 goes to Ē (active low) and to D (active high): at 0 half E works (outputs E1 … E4, numbers 0 … 3), at 1 half D (D1 … D4, numbers 4 … 7). Bits 2 and 1 go to the address pins A and B. Button V reaches both strobes S1 and S2 through an inverter. The outputs are active low: the selected output shows 0.\n"
        "What to see: with V pressed, the output whose number is set on buttons 4, 2, 1 shows 0 and the others 1: the code 1 0 1 (number 5) gives 0 on D2. With V released all eight outputs are 1. After the scheme is selected only V is pressed and E1 shows 0.\n"
        "Truth table: 16 rows: V, then bits 4, 2, 1, then outputs E1 … E4, D1 … D4; two rows for every code, V = 0 (circuit switched off) and V = 1.\n"
};
// clang-format on

// Scheme 13: four-bit decoder on the 155ID3 chip.
constexpr PlaceRow kPlaces13[] = {
    {"IN[00..03]", Button("1 2 3 4"), 286, 110, kDown},
    {"IN[04..05]", Enable("S1 S2"), 286, 502, kDown},
    {"DC[00..05]", Pins(k155ID3), 334, 110, {}, {}, kID3Rows},
    {"OUT[00..15]", Outputs(k155ID3), 510, 110, kDown},
};
static_assert(CountPlaces(kPlaces13) == 28);
constexpr ElementRow kNetlist13[] = {
    {seRepeat, "IN[00..03]", "DC[00..03]"},
    {seInvert, "IN04 IN05", "DC04 DC05"},
    {se155ID3, "DC[00..05]", "OUT[00..15]"},
};
constexpr PressRow kPress13[] = {{1, 2, "DC[00..05]"}, {3, 3, "OUT[00..15]"}};

// clang-format off
constexpr SchemeDef kScheme13 = {
    .number = 13,
    .title = "Схема 13 - Четырёхразрядный дешифратор на базе микросхемы 155ИД3",
    .title_en = "Scheme 13 - Four-bit decoder on the 155ID3 chip",
    .picture = {282, 104, 256, 456},
    .places = kPlaces13,
    .buttons = "IN[00..05]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist13,
    .press = kPress13,
    .initial = "IN[00..03]=0 IN04=1 IN05=0",
    .start = "IN05",
    .buttons_labelled = false,
    .data_by_weight = "IN03 IN02 IN01 IN00",  // address pins 4, 3, 2, 1 (weights 8 … 1)
    .about_ru =
        "Микросхема 155ИД3 (DC) — четырёхразрядный дешифратор: код на входах адреса выбирает один из шестнадцати выходов 0 … 15.\n"
        "Кнопки 1, 2, 3, 4 — входы адреса с весами 1, 2, 4, 8: здесь верхняя кнопка — младший разряд. S1 и S2 — стробы (входы разрешения). Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Стробы S1 и S2 инверсны, поэтому их кнопки подключены через инверторы: нажатая кнопка даёт 0 на выводе. Все выходы инверсны: выбранный выход показывает 0, остальные 1.\n"
        "Что увидеть: при нажатых S1 и S2 в 0 стоит выход, номер которого набран на кнопках адреса: одна нажатая кнопка 4 даёт 0 на выходе 8, кнопки 1 и 3 — на выходе 5. Если отпустить S1 или S2, все выходы станут 1, а индикаторы адреса у микросхемы по-прежнему следуют за кнопками. После выбора схемы нажаты S1 и S2, адрес 0000: в 0 стоит выход 0.\n"
        "Таблица истинности: 64 строки: сначала стробы S1 S2, затем адрес от веса 8 к весу 1 (кнопки 4, 3, 2, 1), затем выходы 0 … 15. При каждом адресе четыре набора стробов; работает только набор 1 1, строки трёх других (схема выключена) можно скрыть.\n",
    .about_en =
        "The 155ID3 chip (DC) as a four-bit decoder: the code on the address inputs selects one of the sixteen outputs 0 … 15.\n"
        "Buttons 1, 2, 3, 4 are the address inputs of weights 1, 2, 4, 8: here the top button is the least significant bit. S1 and S2 are strobes (enable inputs). Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. The strobes S1 and S2 are active low, so their buttons reach them through inverters: a pressed button puts 0 on the pin. All outputs are active low: the selected output shows 0, the others 1.\n"
        "What to see: with S1 and S2 pressed, the output whose number is set on the address buttons shows 0: button 4 alone gives 0 on output 8, buttons 1 and 3 on output 5. Releasing S1 or S2 turns every output to 1, while the address indicators at the chip still follow the buttons. After the scheme is selected S1 and S2 are pressed and the address is 0000: output 0 shows 0.\n"
        "Truth table: 64 rows: first the strobes S1 S2, then the address from weight 8 down to weight 1 (buttons 4, 3, 2, 1), then outputs 0 … 15. Every address has four sets of strobes; only 1 1 works, and the rows of the other three (circuit switched off) can be hidden.\n"
};
// clang-format on

// Scheme 14: six-bit incomplete decoder on two cascaded 155ID4 chips; D1's output D3 enables D2.
constexpr PlaceRow kPlaces14[] = {
    {"IN00", Enable("S"), 31, 224},
    {"IN[01..06]", Button("#"), 31, 252, kDown},
    {"BUSIN[00..06]", Lines("S 1 2 3 4 5 6"), 79, 224, kDown},
    {"BUSOUT[00..03]", Lines("S 1 2 3"), 155, 224, {}, {}, ID4Rows(0, 4)},
    {"BUSOUT[04..06]", Lines("#"), 501, 224, {}, {}, ID4Rows(1, 3)},
    {"DC00IN[00..05]", Pins(k155ID4), 243, 224, {}, {}, kID4Rows},
    {"DC00OUT[00..07]", Outputs(k155ID4, 1, Role::kChipPin), 419, 224, kDown},
    {"DC00DC01BRIDGE", Lines("D3"), 501, 224},
    {"DC01IN[00..05]", Pins(k155ID4, 0, 2), 589, 224, {}, {}, kID4Rows},
    {"OUT[00..07]", Outputs(k155ID4, 2), 765, 224, kDown},
};
static_assert(CountPlaces(kPlaces14) == 50);
constexpr std::string_view kRouted14 =
    "BUSOUT[00..06] DC00IN[00..05] DC01IN01 DC01IN02 DC01IN03 DC01IN05";
constexpr ElementRow kNetlist14[] = {
    {seInvert, "IN00", "BUSIN00"},
    {seRepeat, "IN[01..06]", "BUSIN[01..06]"},
    {seRoute14, "BUSIN[00..06]", kRouted14},
    {se155ID4, "DC00IN[00..05]", "DC00OUT[00..07]"},
    {seSplit3, "DC00OUT06", "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {se155ID4, "DC01IN[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress14[] = {
    {1, 2, "BUSIN[00..06]"},   {3, 3, kRouted14},
    {4, 4, "DC00OUT[00..07]"}, {5, 5, "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {6, 6, "OUT[00..07]"},
};

// clang-format off
constexpr SchemeDef kScheme14 = {
    .number = 14,
    .title = "Схема 14 - Шестиразрядный дешифратор (неполный) на базе микросхем 155ИД4",
    .title_en = "Scheme 14 - Six-bit decoder (incomplete) on 155ID4 chips",
    .picture = {27, 207, 766, 251},
    .places = kPlaces14,
    .buttons = "IN[00..06]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist14,
    .press = kPress14,
    .initial = "IN00=0 IN01=1 IN02=1 IN[03..06]=0",
    .start = "IN00",
    .buttons_labelled = false,
    .data_by_weight = "IN[01..06]",  // bit 1 the highest
    .about_ru =
        "Неполный шестиразрядный дешифратор из двух микросхем 155ИД4 (2DC): D1 дешифрирует разряды 1 … 3, а его выход D3 включает D2, которая дешифрирует разряды 4 … 6 на восемь выходов схемы. Из 64 кодов до выходов доходят только 8.\n"
        "Кнопки 1 … 6 — разряды кода, 1 — старший. S — строб (вход разрешения) первой микросхемы. Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхемы D1. В каждой микросхеме первый разряд своей тройки идёт на Ē и D и выбирает половину (0 — E1 … E4, 1 — D1 … D4), два других — на адрес A и B. Выход D3 микросхемы D1 (число 6) подан на стробы D2. Выходы инверсны: выбранный выход показывает 0.\n"
        "Что увидеть: D1 ставит 0 на выход, номер которого набран на кнопках 1, 2, 3 (выходы E1 … E4, D1 … D4 — номера 0 … 7). Только при коде 1 1 0 включается D2 и ставит 0 на выход схемы с номером, набранным на кнопках 4, 5, 6; иначе все выходы схемы равны 1. После выбора схемы нажаты S, 1 и 2: D2 включена, в 0 стоит выход E1.\n"
        "Таблица истинности: 128 строк: S, затем разряды 1 … 6, затем выходы E1 … E4, D1 … D4 микросхемы D2. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 110000 … 110111.\n",
    .about_en =
        "An incomplete six-bit decoder of two 155ID4 chips (2DC): D1 decodes bits 1 … 3, and its output D3 switches on D2, which decodes bits 4 … 6 onto the eight outputs of the scheme. Only 8 of the 64 codes reach the outputs.\n"
        "Buttons 1 … 6 are the bits of the code, 1 the most significant. S is the strobe (enable input) of the first chip. Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 through an inverter. In each chip the first bit of its three goes to Ē and D and selects the half (0: E1 … E4, 1: D1 … D4), the other two go to the address pins A and B. Output D3 of D1 (number 6) drives the strobes of D2. The outputs are active low: the selected output shows 0.\n"
        "What to see: D1 puts 0 on the output whose number is set on buttons 1, 2, 3 (outputs E1 … E4, D1 … D4 are numbers 0 … 7). Only with the code 1 1 0 does D2 switch on and put 0 on the scheme output whose number is set on buttons 4, 5, 6; otherwise every scheme output is 1. After the scheme is selected S, 1 and 2 are pressed: D2 is on and output E1 shows 0.\n"
        "Truth table: 128 rows: S, then bits 1 … 6, then D2's outputs E1 … E4, D1 … D4. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 110000 … 110111 put a 0 on an output.\n"
};
// clang-format on

// Scheme 15: eight-bit incomplete decoder on two cascaded 155ID3 chips; D1's output 5 strobes
// D2. It has no IN00.
constexpr PlaceRow kPlaces15[] = {
    {"IN[01..08]", Button("#"), 87, 126, kDown},
    {"IN09", Enable("S"), 87, 546},
    {"BUSIN[01..08]", Lines("#"), 135, 126, kDown},
    {"BUSS0IN", Lines("S"), 135, 546},
    {"DC00IN[00..05]", Pins(k155ID3), 211, 126, {}, {}, kID3Rows},
    {"DC00OUT[00..15]", Outputs(k155ID3, 1, Role::kChipPin), 387, 126, kDown},
    {"BUSS1IN", Lines("5"), 457, 546},
    {"DC01IN[00..05]", Pins(k155ID3, 0, 2), 533, 126, {}, {}, kID3Rows},
    {"OUT[00..15]", Outputs(k155ID3, 2), 709, 126, kDown},
};
static_assert(CountPlaces(kPlaces15) == 63);
constexpr std::string_view kRouted15 = "BUSIN[01..08] DC00IN[00..03] DC01IN[00..03]";
constexpr ElementRow kNetlist15[] = {
    {seRoute15, "IN[01..08]", kRouted15},
    {seSplitInv3, "IN09", "BUSS0IN DC00IN04 DC00IN05"},
    {se155ID3, "DC00IN[00..05]", "DC00OUT[00..15]"},
    {seSplit3, "DC00OUT05", "BUSS1IN DC01IN04 DC01IN05"},
    {se155ID3, "DC01IN[00..05]", "OUT[00..15]"},
};
constexpr PressRow kPress15[] = {
    {1, 1, kRouted15},         {2, 2, "BUSS0IN DC00IN04 DC00IN05"},
    {3, 3, "DC00OUT[00..15]"}, {4, 4, "BUSS1IN DC01IN04 DC01IN05"},
    {5, 5, "OUT[00..15]"},
};

// clang-format off
constexpr SchemeDef kScheme15 = {
    .number = 15,
    .title = "Схема 15 - Восьмиразрядный дешифратор (неполный) на базе микросхем 155ИД3",
    .title_en = "Scheme 15 - Eight-bit decoder (incomplete) on 155ID3 chips",
    .picture = {83, 88, 654, 488},
    .places = kPlaces15,
    .buttons = "IN[01..09]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist15,
    .press = kPress15,
    .initial = "IN01=1 IN02=0 IN03=1 IN[04..09]=0",
    .start = "IN09",
    .buttons_labelled = false,
    .data_by_weight = "IN04 IN03 IN02 IN01 IN08 IN07 IN06 IN05",  // bits 1 and 5 the lowest of their groups
    .about_ru =
        "Неполный восьмиразрядный дешифратор из двух микросхем 155ИД3 (DC): D1 дешифрирует разряды 1 … 4, а его выход 5 включает D2, которая дешифрирует разряды 5 … 8 на шестнадцать выходов схемы. Из 256 кодов до выходов доходят только 16.\n"
        "Кнопки 1 … 8 — разряды кода; в каждой четвёрке младший разряд — кнопка с меньшим номером (1 и 5), и первая четвёрка старше второй. S — строб (вход разрешения) микросхемы D1. Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхемы D1; её выход 5 подан на оба строба D2. Выходы инверсны: выбранный выход показывает 0.\n"
        "Что увидеть: D1 ставит 0 на выход, номер которого набран на кнопках 1 … 4. Только при числе 5 (нажаты кнопки 1 и 3, отпущены 2 и 4) включается D2 и ставит 0 на выход схемы с номером, набранным на кнопках 5 … 8; иначе все выходы схемы равны 1. После выбора схемы нажаты 1, 3 и S: в 0 стоит выход 0.\n"
        "Таблица истинности: 512 строк: S, затем разряды 4, 3, 2, 1, 8, 7, 6, 5 (от старшего к младшему), затем выходы 0 … 15. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 0101 xxxx.\n",
    .about_en =
        "An incomplete eight-bit decoder of two 155ID3 chips (DC): D1 decodes bits 1 … 4, and its output 5 switches on D2, which decodes bits 5 … 8 onto the sixteen outputs of the scheme. Only 16 of the 256 codes reach the outputs.\n"
        "Buttons 1 … 8 are the bits of the code; in each group of four the least significant bit is the lower-numbered button (1 and 5), and the first group is the more significant. S is the strobe (enable input) of chip D1. Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 through an inverter; D1's output 5 drives both strobes of D2. The outputs are active low: the selected output shows 0.\n"
        "What to see: D1 puts 0 on the output whose number is set on buttons 1 … 4. Only at number 5 (buttons 1 and 3 pressed, 2 and 4 released) does D2 switch on and put 0 on the scheme output whose number is set on buttons 5 … 8; otherwise every scheme output is 1. After the scheme is selected 1, 3 and S are pressed: output 0 shows 0.\n"
        "Truth table: 512 rows: S, then bits 4, 3, 2, 1, 8, 7, 6, 5 (most significant first), then outputs 0 … 15. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 0101 xxxx put a 0 on an output.\n"
};
// clang-format on

// Scheme 16: ten-bit incomplete decoder: two 155ID4 chips strobing a 155ID3 chip.
constexpr PlaceRow kPlaces16[] = {
    {"IN00", Enable("S"), 72, 112},
    {"IN[01..10]", Button("#"), 72, 140, kDown},
    {"BUSIN[00..10]", Lines("S 1 2 3 4 5 6 7 8 9 10"), 120, 112, kDown},
    {"BUSOUT[00..03]", Lines("S 1 2 3"), 196, 112, {}, {}, ID4Rows(0, 4)},
    {"BUSOUT[04..06]", Lines("#"), 196, 364, {}, {}, ID4Rows(1, 3)},
    {"BUSOUT10 BUSOUT09 BUSOUT08 BUSOUT07", Lines("#"), 548, 112, kDown},
    {"DC00IN[00..05]", Pins(k155ID4), 284, 112, {}, {}, kID4Rows},
    {"DC01IN[00..05]", Pins(k155ID4, 0, 2), 284, 364, {}, {}, kID4Rows},
    {"DC00OUT[00..07]", Outputs(k155ID4, 1, Role::kChipPin), 460, 112, kDown},
    {"DC01OUT[00..07]", Outputs(k155ID4, 2, Role::kChipPin), 460, 364, kDown},
    {"DC02S[01..02]", Pins(k155ID3, 4, 3), 548, 504, kDown},
    {"OUT[00..15]", Outputs(k155ID3, 3), 724, 112, kDown},
};
static_assert(CountPlaces(kPlaces16) == 79);
constexpr ElementRow kNetlist16[] = {
    {seInvert, "IN00", "BUSIN00"},
    {seRepeat, "IN[01..10]", "BUSIN[01..10]"},
    {seRepeat, "BUSIN[00..10]", "BUSOUT[00..10]"},
    {seSplit4, "BUSOUT00", "DC00IN00 DC00IN04 DC01IN00 DC01IN04"},
    {seRepeat, "BUSOUT02 BUSOUT03 BUSOUT05 BUSOUT06", "DC00IN02 DC00IN03 DC01IN02 DC01IN03"},
    {seSplit2, "BUSOUT01", "DC00IN01 DC00IN05"},
    {se155ID4, "DC00IN[00..05]", "DC00OUT[00..07]"},
    {seSplit2, "BUSOUT04", "DC01IN01 DC01IN05"},
    {se155ID4, "DC01IN[00..05]", "DC01OUT[00..07]"},
    {seRepeat, "DC00OUT05", "DC02S01"},
    {seRepeat, "DC01OUT02", "DC02S02"},
    {se155ID3, "BUSOUT10 BUSOUT09 BUSOUT08 BUSOUT07 DC02S01 DC02S02", "OUT[00..15]"},
};
constexpr PressRow kPress16[] = {
    {1, 2, "BUSIN[00..10]"},   {3, 3, "BUSOUT[00..10]"}, {4, 6, "DC00IN[00..05]"},
    {7, 7, "DC00OUT[00..07]"}, {8, 8, "DC01IN[00..05]"}, {9, 9, "DC01OUT[00..07]"},
    {10, 10, "DC02S01"},       {11, 11, "DC02S02"},      {12, 12, "OUT[00..15]"},
};

// clang-format off
constexpr SchemeDef kScheme16 = {
    .number = 16,
    .title = "Схема 16 - Десятиразрядный дешифратор (неполный) на базе микросхем 155ИД3, 155ИД4",
    .title_en = "Scheme 16 - Ten-bit decoder (incomplete) on 155ID3 and 155ID4 chips",
    .picture = {68, 74, 685, 516},
    .places = kPlaces16,
    .buttons = "IN[00..10]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist16,
    .press = kPress16,
    .initial = "IN00=0 IN01=1 IN02=0 IN03=1 IN04=0 IN05=1 IN[06..10]=0",
    .start = "IN00",
    .buttons_labelled = false,
    .data_by_weight = "IN[01..10]",  // bit 1 the highest
    .about_ru =
        "Неполный десятиразрядный дешифратор: две микросхемы 155ИД4 (D1, D2) дешифрируют разряды 1 … 3 и 4 … 6 и своими выходами включают стробы микросхемы 155ИД3 (D3), которая дешифрирует разряды 7 … 10 на шестнадцать выходов схемы. Из 1024 кодов до выходов доходят только 16.\n"
        "Кнопки 1 … 10 — разряды кода, 1 — старший, 10 — младший. S — строб (вход разрешения) микросхем D1 и D2. Каждое нажатие переключает кнопку между 0 и 1.\n"
        "Кружок у вывода означает, что вывод активен при 0. Кнопка S подключена через инвертор к стробам S1 и S2 микросхем D1 и D2. В D1 и D2 первый разряд тройки идёт на Ē и D и выбирает половину, два других — на адрес A и B. Строб S1 микросхемы D3 берёт выход D2 микросхемы D1 (число 5), строб S2 — выход E3 микросхемы D2 (число 2). Выходы инверсны: выбранный выход показывает 0.\n"
        "Что увидеть: D3 включается, только когда на кнопках 1 … 3 код 1 0 1, а на кнопках 4 … 6 — 0 1 0; тогда в 0 стоит выход схемы с номером, набранным на кнопках 7 … 10. Иначе все выходы схемы равны 1. После выбора схемы нажаты S, 1, 3 и 5: в 0 стоит выход 0.\n"
        "Таблица истинности: 2048 строк: S, затем разряды 1 … 10, затем выходы 0 … 15. Строки с S = 0 (схема выключена) можно скрыть; среди остальных 0 на выходе есть только при кодах 101 010 xxxx.\n",
    .about_en =
        "An incomplete ten-bit decoder: two 155ID4 chips (D1, D2) decode bits 1 … 3 and 4 … 6 and through their outputs switch on the strobes of a 155ID3 chip (D3), which decodes bits 7 … 10 onto the sixteen outputs of the scheme. Only 16 of the 1024 codes reach the outputs.\n"
        "Buttons 1 … 10 are the bits of the code, 1 the most significant, 10 the least. S is the strobe (enable input) of D1 and D2. Each press toggles a button between 0 and 1.\n"
        "A small circle at a pin means the pin is active at 0. Button S reaches strobes S1 and S2 of D1 and D2 through an inverter. In D1 and D2 the first bit of the three goes to Ē and D and selects the half, the other two go to the address pins A and B. Strobe S1 of D3 takes output D2 of D1 (number 5), strobe S2 output E3 of D2 (number 2). The outputs are active low: the selected output shows 0.\n"
        "What to see: D3 switches on only when buttons 1 … 3 hold 1 0 1 and buttons 4 … 6 hold 0 1 0; then the scheme output whose number is set on buttons 7 … 10 shows 0. Otherwise every scheme output is 1. After the scheme is selected S, 1, 3 and 5 are pressed: output 0 shows 0.\n"
        "Truth table: 2048 rows: S, then bits 1 … 10, then outputs 0 … 15. The rows with S = 0 (circuit switched off) can be hidden; of the others only the codes 101 010 xxxx put a 0 on an output.\n"
};
// clang-format on

}  // namespace

constexpr std::array<SchemeDef, 7> kChipSchemeDefs = {
    {kScheme10, kScheme11, kScheme12, kScheme13, kScheme14, kScheme15, kScheme16}};

}  // namespace kvir
