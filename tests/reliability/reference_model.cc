#include "tests/reliability/reference_model.h"

#include <stdexcept>
#include <string_view>

#include "circuit/names.h"

namespace kvir::reference {
namespace {

/// "IN" + 03 → "IN03"; "OR" + 1 + 2 → "OR0102"; "DC" + 0 + "OUT" + 7 → "DC00OUT07".
std::string Name(std::string_view prefix, int a) {
  return std::string(prefix) + IndicatorNumber(a);
}
std::string Name(std::string_view prefix, int a, int b) {
  return Name(prefix, a) + IndicatorNumber(b);
}
std::string Pin(int chip, std::string_view kind, int pin) {
  return Name("DC", chip) + std::string(kind) + IndicatorNumber(pin);
}

int Not(int level) {
  return level ^ 1;
}
int Bit(int value, int b) {
  return (value >> b) & 1;
}

/// The buttons of one scheme and the levels worked out from them.
class Sheet {
 public:
  explicit Sheet(const Levels& buttons) : buttons_(buttons), levels_(buttons) {}

  int In(int k) const { return buttons_.at(Name("IN", k)); }
  void Set(const std::string& name, int level) { levels_[name] = level; }
  int Get(const std::string& name) const { return levels_.at(name); }
  /// Outputs name(0) … name(count - 1) of an active-low decoder: 0 only at `selected`, and only
  /// while enabled.
  template <typename NameOf>
  void Decoded(NameOf name, int count, bool enabled, int selected) {
    for (int i = 0; i < count; ++i) Set(name(i), enabled && i == selected ? 0 : 1);
  }
  Levels Take() { return std::move(levels_); }

 private:
  const Levels& buttons_;
  Levels levels_;
};

enum class Gate { kOr, kNand, kNorThenNot };

/// Encoders on gates: bus line k is button k (inverted for NAND gates); gate n reads, in rising
/// order, every bus line whose number has bit n set, so line 0 reaches no gate.
void Encoder(Sheet& s, int bits, std::string_view prefix, Gate gate) {
  const int lines = 1 << bits;
  std::vector<int> bus(lines);
  for (int k = 0; k < lines; ++k) {
    bus[k] = gate == Gate::kNand ? Not(s.In(k)) : s.In(k);
    s.Set(Name("BUS", k), bus[k]);
  }
  for (int n = 0; n < bits; ++n) {
    int any = 0, all = 1, j = 0;
    for (int k = 1; k < lines; ++k) {
      if (!Bit(k, n)) continue;
      s.Set(Name(prefix, n, j++), bus[k]);
      any |= bus[k];
      all &= bus[k];
    }
    if (gate == Gate::kNorThenNot) s.Set(Name("NOT", n), Not(any));
    s.Set(Name("OUT", n), gate == Gate::kNand ? Not(all) : any);
  }
}

/// Decoders on gates: bus line 2i + 1 carries input bit b(i), line 2i + 2 its complement, where
/// b(i) = i, or bits − 1 − i when the most significant input comes first. Input j of gate g tests
/// bit b(j) of g: an AND gate sees the true line where that bit is 1, a NOR gate the complement.
/// Output g is 1 exactly for the input number g.
void GateDecoder(Sheet& s, int bits, std::string_view prefix, bool nor, bool msb_first) {
  auto bit_of_line = [&](int i) { return msb_first ? bits - 1 - i : i; };
  for (int i = 0; i < bits; ++i) {
    s.Set(Name("BUS", 2 * i + 1), s.In(bit_of_line(i)));
    s.Set(Name("BUS", 2 * i + 2), Not(s.In(bit_of_line(i))));
  }
  for (int g = 0; g < (1 << bits); ++g) {
    int all = 1, none = 1;
    for (int j = 0; j < bits; ++j) {
      const int b = bit_of_line(j);
      const bool true_line = Bit(g, b) != static_cast<int>(nor);
      const int level = true_line ? s.In(b) : Not(s.In(b));
      s.Set(Name(prefix, g, j), level);
      all &= level;
      none &= Not(level);
    }
    s.Set(Name("OUT", g), nor ? none : all);
  }
}

void Scheme10(Sheet& s) {
  int pressed_bits = 0, any = 0;
  for (int k = 0; k <= 8; ++k) s.Set(Name("CD", k), Not(s.In(k)));
  for (int k = 0; k < 8; ++k) {
    if (s.In(k)) pressed_bits |= k, any = 1;
  }
  const bool enabled = s.In(8) == 1;
  s.Set("OUT00", enabled ? Not(any) : 1);
  for (int j = 1; j <= 3; ++j) s.Set(Name("OUT", j), enabled ? Not(Bit(pressed_bits, 3 - j)) : 1);
}

auto Outputs() {
  return [](int i) { return Name("OUT", i); };
}

void Scheme11(Sheet& s) {
  const int pins[6] = {Not(s.In(0)), Not(s.In(1)), s.In(2), s.In(3), Not(s.In(4)), s.In(5)};
  for (int p = 0; p < 6; ++p) s.Set(Name("DC", p), pins[p]);
  const int m = 2 * s.In(2) + s.In(3);
  s.Decoded(Outputs(), 4, s.In(0) && s.In(1), m);
  s.Decoded([](int i) { return Name("OUT", 4 + i); }, 4, s.In(4) && s.In(5), m);
}

void Scheme12(Sheet& s) {
  for (int k = 0; k < 3; ++k) s.Set(Name("BUS", k), s.In(k));
  s.Set("BUS03", Not(s.In(3)));
  const char* pin_source[6] = {"BUS03", "BUS00", "BUS01", "BUS02", "BUS03", "BUS00"};
  for (int p = 0; p < 6; ++p) s.Set(Name("DC", p), s.Get(pin_source[p]));
  s.Decoded(Outputs(), 8, s.In(3) == 1, 4 * s.In(0) + 2 * s.In(1) + s.In(2));
}

void Scheme13(Sheet& s) {
  for (int k = 0; k < 4; ++k) s.Set(Name("DC", k), s.In(k));
  s.Set("DC04", Not(s.In(4)));
  s.Set("DC05", Not(s.In(5)));
  const int n = s.In(0) + 2 * s.In(1) + 4 * s.In(2) + 8 * s.In(3);
  s.Decoded(Outputs(), 16, s.In(4) && s.In(5), n);
}

/// A 155ИД4 fed as both cascades feed it: S1 = S2 = `strobe`, Ē = D = `half` (the bit that picks
/// half E or half D), A and B the next two bits. Returns the chip's number 4·half + 2·A + B.
int DualDecoderInputs(Sheet& s, int chip, int strobe, int half, int a, int b) {
  const int pins[6] = {strobe, half, a, b, strobe, half};
  for (int p = 0; p < 6; ++p) s.Set(Pin(chip, "IN", p), pins[p]);
  return 4 * half + 2 * a + b;
}

/// Bus inputs and outputs of the cascades: line 0 is the strobe button inverted, line k bit k.
void StrobedBus(Sheet& s, int bits) {
  s.Set("BUSIN00", Not(s.In(0)));
  s.Set("BUSOUT00", Not(s.In(0)));
  for (int k = 1; k <= bits; ++k) {
    s.Set(Name("BUSIN", k), s.In(k));
    s.Set(Name("BUSOUT", k), s.In(k));
  }
}

void Scheme14(Sheet& s) {
  StrobedBus(s, 6);
  const bool strobed = s.In(0) == 1;
  const int left = DualDecoderInputs(s, 0, Not(s.In(0)), s.In(1), s.In(2), s.In(3));
  s.Decoded([](int i) { return Pin(0, "OUT", i); }, 8, strobed, left);
  const int bridge = s.Get("DC00OUT06");
  s.Set("DC00DC01BRIDGE", bridge);
  const int right = DualDecoderInputs(s, 1, bridge, s.In(4), s.In(5), s.In(6));
  s.Decoded(Outputs(), 8, bridge == 0, right);
}

void Scheme15(Sheet& s) {
  for (int k = 1; k <= 8; ++k) s.Set(Name("BUSIN", k), s.In(k));
  for (int p = 0; p < 4; ++p) {
    s.Set(Pin(0, "IN", p), s.In(1 + p));
    s.Set(Pin(1, "IN", p), s.In(5 + p));
  }
  const int strobe = Not(s.In(9));
  for (const char* name : {"BUSS0IN", "DC00IN04", "DC00IN05"}) s.Set(name, strobe);
  const int a = s.In(1) + 2 * s.In(2) + 4 * s.In(3) + 8 * s.In(4);
  s.Decoded([](int i) { return Pin(0, "OUT", i); }, 16, strobe == 0, a);
  const int link = s.Get("DC00OUT05");
  for (const char* name : {"BUSS1IN", "DC01IN04", "DC01IN05"}) s.Set(name, link);
  const int n = s.In(5) + 2 * s.In(6) + 4 * s.In(7) + 8 * s.In(8);
  s.Decoded(Outputs(), 16, link == 0, n);
}

void Scheme16(Sheet& s) {
  StrobedBus(s, 10);
  const bool strobed = s.In(0) == 1;
  const int strobe = Not(s.In(0));
  const int d1 = DualDecoderInputs(s, 0, strobe, s.In(1), s.In(2), s.In(3));
  const int d2 = DualDecoderInputs(s, 1, strobe, s.In(4), s.In(5), s.In(6));
  s.Decoded([](int i) { return Pin(0, "OUT", i); }, 8, strobed, d1);
  s.Decoded([](int i) { return Pin(1, "OUT", i); }, 8, strobed, d2);
  s.Set("DC02S01", s.Get("DC00OUT05"));
  s.Set("DC02S02", s.Get("DC01OUT02"));
  const bool enabled = s.Get("DC02S01") == 0 && s.Get("DC02S02") == 0;
  const int n = 8 * s.In(7) + 4 * s.In(8) + 2 * s.In(9) + s.In(10);
  s.Decoded(Outputs(), 16, enabled, n);
}

struct ButtonRange {
  int first;
  int last;
  const char* after_selection;  ///< IN first … IN last
};

// clang-format off
constexpr ButtonRange kButtons[16] = {
    {0, 7, "10000000"}, {0, 7, "10000000"},
    {0, 15, "1000000000000000"}, {0, 15, "1000000000000000"}, {0, 15, "1000000000000000"},
    {0, 2, "000"}, {0, 2, "000"}, {0, 3, "0000"}, {0, 3, "0000"},
    {0, 8, "000000001"},
    {0, 5, "110011"}, {0, 3, "0001"}, {0, 5, "000011"},
    {0, 6, "1110000"}, {1, 9, "101000001"}, {0, 10, "11010100000"},
};
// clang-format on

const ButtonRange& RangeOf(int scheme) {
  if (scheme < 1 || scheme > 16) {
    throw std::out_of_range("no scheme " + std::to_string(scheme));
  }
  return kButtons[scheme - 1];
}

}  // namespace

std::vector<std::string> ButtonNames(int scheme) {
  const ButtonRange& range = RangeOf(scheme);
  std::vector<std::string> names;
  for (int k = range.first; k <= range.last; ++k) names.push_back(Name("IN", k));
  return names;
}

Levels ButtonsAfterSelection(int scheme) {
  const ButtonRange& range = RangeOf(scheme);
  Levels buttons;
  for (int k = range.first; k <= range.last; ++k) {
    buttons[Name("IN", k)] = range.after_selection[k - range.first] - '0';
  }
  return buttons;
}

void ApplyPress(int scheme, const std::string& pressed, Levels& buttons) {
  const int before = buttons.at(pressed);
  if (scheme <= 5 || (scheme == 10 && pressed != "IN08")) {
    for (auto& [name, level] : buttons) {
      if (scheme <= 5 || name != "IN08") level = 0;
    }
    buttons[pressed] = scheme <= 5 ? 1 : Not(before);
  } else {
    buttons[pressed] = Not(before);
  }
}

Levels Expected(int scheme, const Levels& buttons) {
  RangeOf(scheme);
  Sheet s(buttons);
  switch (scheme) {
    case 1:
      Encoder(s, 3, "OR", Gate::kOr);
      break;
    case 2:
      Encoder(s, 3, "ANDNOT", Gate::kNand);
      break;
    case 3:
      Encoder(s, 4, "OR", Gate::kOr);
      break;
    case 4:
      Encoder(s, 4, "ORNOT", Gate::kNorThenNot);
      break;
    case 5:
      Encoder(s, 4, "ANDNOT", Gate::kNand);
      break;
    case 6:
      GateDecoder(s, 3, "AND", false, false);
      break;
    case 7:
      GateDecoder(s, 3, "ORNOT", true, false);
      break;
    case 8:
      GateDecoder(s, 4, "AND", false, true);
      break;
    case 9:
      GateDecoder(s, 4, "ORNOT", true, true);
      break;
    case 10:
      Scheme10(s);
      break;
    case 11:
      Scheme11(s);
      break;
    case 12:
      Scheme12(s);
      break;
    case 13:
      Scheme13(s);
      break;
    case 14:
      Scheme14(s);
      break;
    case 15:
      Scheme15(s);
      break;
    case 16:
      Scheme16(s);
      break;
  }
  return s.Take();
}

}  // namespace kvir::reference
