// Schemes 01 … 09 generated from their rows in gate_schemes.h.

#include "circuit/gate_schemes.h"

#include "circuit/schemes.h"

namespace kvir {
namespace {

/// Rows of one kind, at most N, filled by a generator.
template <typename Row, size_t N>
struct Rows {
  std::array<Row, N> rows{};
  size_t size = 0;
  constexpr void Add(const Row& row) {
    if (size == N) throw "too many rows";
    rows[size++] = row;
  }
  constexpr std::span<const Row> view() const { return {rows.data(), size}; }
};

/// What a generator makes of a row: the parts of the scheme's definition that are not in the row.
struct GateSchemeData {
  SchemeFamily family = SchemeFamily::kGateEncoder;
  PictureRect picture = {};
  std::string_view buttons;
  InputMode mode = InputMode::kOneHot;
  std::string_view initial;
  NameList data_by_weight;
  NameList outputs_by_weight;
  Rows<PlaceRow, 24> places;
  Rows<ElementRow, 4> netlist;
  Rows<PressRow, 4> press;
};

constexpr Legend kBusLines = {Role::kBusLine, "#"};
constexpr Legend kGateInputs = {Role::kGateInput, ""};

/// "IN[00..07]": names prefix00 … for `count` numbers.
constexpr NameList Names(std::string_view prefix, int count) {
  return NameList(prefix).Range(0, count - 1);
}
/// "OR[00..02][00..03]": `inputs` inputs of each of `gates` gates.
constexpr NameList GateInputs(GateKind kind, int gates, int inputs) {
  return Names(GateInputPrefix(kind), gates).Range(0, inputs - 1);
}
/// "OUT02": one name.
constexpr NameList Numbered(std::string_view prefix, int number) {
  return NameList(prefix).Add(number);
}
/// "IN02 IN01 IN00": names prefix00 … for `count` numbers, the highest first.
constexpr NameList Descending(std::string_view prefix, int count) {
  NameList list;
  for (int i = count - 1; i >= 0; --i) list.Add(prefix).Add(i).Add(i ? " " : "");
  return list;
}

// Encoders ------------------------------------------------------------------------------------

constexpr Legend kEncoderButtons = {Role::kInput, "Y#"};
constexpr Legend kEncoderOutputs = {Role::kOutput, "X#"};
constexpr Legend kNorOutputs = {Role::kGateInput, "¬X#"};  ///< the inverters' inputs

constexpr void PlaceThreeBitEncoder(GateSchemeData& d, GateKind kind) {
  d.places.Add({"BUS[00..07]", kBusLines, 324, 182, {0, 28}});
  for (int g = 2; g >= 0; --g) {
    d.places.Add({Numbered(GateInputPrefix(kind), g).Range(0, 3),
                  kGateInputs,
                  400,
                  182 + 106 * (2 - g),
                  {0, 26}});
  }
  for (int g = 2; g >= 0; --g) {
    d.places.Add({Numbered("OUT", g), kEncoderOutputs, 520, 221 + 106 * (2 - g)});
  }
  d.places.Add({"IN[00..07]", kEncoderButtons, 276, 182, {0, 28}});
}

// Gates in a square of two columns; the NOR encoder's output inverters push its left half over.
constexpr void PlaceFourBitEncoder(GateSchemeData& d, GateKind kind) {
  const bool nor = kind == GateKind::kNor;
  const int left = nor ? 180 : 300;
  const auto x = [left](int g) { return g < 2 ? left : 500; };
  const auto y = [](int g) { return 119 + 210 * (g % 2); };
  for (int g = 0; g < 4; ++g) {
    d.places.Add(
        {Numbered(GateInputPrefix(kind), g).Range(0, 7), kGateInputs, x(g), y(g), {0, 26}});
    d.places.Add({Numbered(nor ? "NOT" : "OUT", g), nor ? kNorOutputs : kEncoderOutputs, x(g) + 120,
                  y(g) + 91});
  }
  d.places.Add({"BUS[00..15]", kBusLines, left - 76, 119, {0, 28}});
  for (int g = 0; nor && g < 4; ++g) {
    d.places.Add({Numbered("OUT", g), kEncoderOutputs, x(g) + 240, y(g) + 130});
  }
  d.places.Add({"IN[00..15]", kEncoderButtons, left - 124, 119, {0, 28}});
}

constexpr GateSchemeData Encoder(const GateSchemeRow& r) {
  GateSchemeData d;
  const bool nor = r.gate == GateKind::kNor;
  if (r.bits == 3) {
    d.picture = {248, 165, 324, 335};
    d.buttons = "IN[00..07]";
    PlaceThreeBitEncoder(d, r.gate);
  } else {
    d.picture = nor ? PictureRect{28, 98, 764, 469} : PictureRect{148, 98, 524, 469};
    d.buttons = "IN[00..15]";
    PlaceFourBitEncoder(d, r.gate);
  }
  const int inputs = 1 << r.bits;
  const NameList gates = GateInputs(r.gate, r.bits, inputs / 2);
  const NameList stage = Names(nor ? "NOT" : "OUT", r.bits);
  const NameList bus = Names("BUS", inputs);
  d.data_by_weight = Descending("IN", inputs);      // the input numbered k has weight k
  d.outputs_by_weight = Descending("OUT", r.bits);  // output Xn is the bit of weight 2^n
  d.netlist.Add({r.inverted_inputs ? seInvert : seRepeat, Names("IN", inputs), bus});
  d.netlist.Add({GateRouteProc(d.family, r), bus, gates});
  d.netlist.Add({GateProc(r.gate), gates, stage, true});
  if (nor) d.netlist.Add({seInvert, stage, Names("OUT", r.bits), true});
  d.press.Add({1, 1, bus});
  d.press.Add({2, 2, gates});
  d.press.Add({3, 2 + r.bits, stage, true});
  if (nor) d.press.Add({3 + r.bits, 2 + 2 * r.bits, Names("OUT", r.bits), true});
  return d;
}

// Decoders ------------------------------------------------------------------------------------

constexpr Legend kDecoderInputs = {Role::kInput, "X#"};
constexpr Legend kDecoderOutputs = {Role::kOutput, "Y#", {}, ActiveLevel::kHigh};

/// The three-bit decoders stand 200 further right; the four-bit ones have the top bit on top.
constexpr void PlaceDecoder(GateSchemeData& d, GateKind kind, int bits) {
  const int shift = bits == 3 ? 200 : 0;
  const bool msb_on_top = bits == 4;
  d.places.Add({Names("IN", bits),
                kDecoderInputs,
                28 + shift,
                msb_on_top ? 417 : 21,
                {0, msb_on_top ? -132 : 132}});
  for (int line = 1; line <= 2 * bits; ++line) {
    const int top = 21 + 132 * ((line - 1) / 2) + (line % 2 == 0 ? 65 : 0);
    d.places.Add({Numbered("BUS", line), kBusLines, 172 + shift, top});
  }
  // Columns of gates 200 apart, each gate's output lamp level with its middle input.
  const std::span<const int> columns = DecoderColumns(bits);
  const int columns_count = static_cast<int>(columns.size()) - 1;
  const Step pitch = {0, 26 * bits + 2};
  for (int c = 0; c < columns_count; ++c) {
    d.places.Add(
        {NameList(GateInputPrefix(kind)).Range(columns[c], columns[c + 1] - 1).Range(0, bits - 1),
         kGateInputs,
         248 + shift + 200 * c,
         21,
         pitch,
         {0, 26}});
  }
  for (int c = 0; c < columns_count; ++c) {
    d.places.Add({NameList("OUT").Range(columns[c], columns[c + 1] - 1), kDecoderOutputs,
                  368 + shift + 200 * c, 21 + 13 * (bits - 1), pitch});
  }
}

constexpr GateSchemeData Decoder(const GateSchemeRow& r) {
  const bool three = r.bits == 3;
  GateSchemeData d;
  d.family = SchemeFamily::kGateDecoder;
  d.picture = three ? PictureRect{200, 4, 420, 657} : PictureRect{0, 0, 820, 665};
  d.buttons = three ? "IN[00..02]" : "IN[00..03]";
  d.mode = InputMode::kToggle;
  d.initial = three ? "IN00=1 IN[01..02]=0" : "IN00=1 IN[01..03]=0";
  d.data_by_weight = Descending("IN", r.bits);  // input b is the bit of weight 2^b
  PlaceDecoder(d, r.gate, r.bits);
  const int gates = 1 << r.bits;
  const uint8_t b = r.bits;
  // Input i drives bus line 2k + 1 and, inverted, 2k + 2, where k counts rows from the top.
  NameList true_lines;
  NameList complements;
  for (int i = 0; i < b; ++i) {
    const int row = b == 4 ? b - 1 - i : i;
    true_lines.Add(" BUS").Add(2 * row + 1);
    complements.Add(" BUS").Add(2 * row + 2);
  }
  const NameList gate_inputs = GateInputs(r.gate, gates, b);
  const NameList bus = NameList("BUS").Range(1, 2 * b);
  d.netlist.Add({seRepeat, Names("IN", b), true_lines});
  d.netlist.Add({seInvert, Names("IN", b), complements, true});
  // Input 0 of the routing element is unwired: input k is bus line k.
  d.netlist.Add({GateRouteProc(d.family, r), NameList("- ").Add(bus), gate_inputs});
  d.netlist.Add({GateProc(r.gate), gate_inputs, Names("OUT", gates), true});
  d.press.Add({1, b + 1, bus});
  d.press.Add({b + 2, b + 2, gate_inputs});
  d.press.Add({b + 3, b + 2 + gates, Names("OUT", gates), true});
  return d;
}

constexpr SchemeDef Define(const GateSchemeRow& r, const GateSchemeData& d) {
  return {.number = r.number,
          .family = d.family,
          .title = r.title,
          .title_en = r.title_en,
          .picture = d.picture,
          .places = d.places.view(),
          .buttons = d.buttons,
          .mode = d.mode,
          .toggle = "",
          .netlist = d.netlist.view(),
          .press = d.press.view(),
          .initial = d.initial,
          .start = "IN00",
          .data_by_weight = d.data_by_weight,
          .outputs_by_weight = d.outputs_by_weight,
          .about_ru = r.about_ru,
          .about_en = r.about_en};
}

template <size_t N, typename Generate>
constexpr std::array<GateSchemeData, N> Generated(const GateSchemeRow (&rows)[N], Generate make) {
  std::array<GateSchemeData, N> out{};
  for (size_t i = 0; i < N; ++i) out[i] = make(rows[i]);
  return out;
}

template <size_t N>
constexpr std::array<SchemeDef, N> Defined(const GateSchemeRow (&rows)[N],
                                           const std::array<GateSchemeData, N>& data) {
  std::array<SchemeDef, N> out{};
  for (size_t i = 0; i < N; ++i) out[i] = Define(rows[i], data[i]);
  return out;
}

constexpr auto kEncoderData = Generated(kGateEncoders, Encoder);
constexpr auto kDecoderData = Generated(kGateDecoders, Decoder);

}  // namespace

constexpr std::array<SchemeDef, 5> kGateEncoderDefs = Defined(kGateEncoders, kEncoderData);
constexpr std::array<SchemeDef, 4> kGateDecoderDefs = Defined(kGateDecoders, kDecoderData);

}  // namespace kvir
