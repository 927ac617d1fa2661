#include "schemes/scheme.h"

#include <stdexcept>
#include <utility>

#include "core/routes.h"
#include "schemes/loaders.h"

namespace kvir {
namespace {

uint16_t IndexOf(Scheme& scheme, std::string_view name) {
  return static_cast<uint16_t>(&scheme.At(name) - scheme.indicators.data());
}

std::vector<uint16_t> Indexes(Scheme& scheme, std::string_view list) {
  std::vector<uint16_t> out;
  for (const std::string& name : ExpandNames(list)) out.push_back(IndexOf(scheme, name));
  return out;
}

// The number at the end of a name: IN05 → 5.
int LastNumber(std::string_view name) {
  return std::stoi(std::string(name.substr(name.size() - 2)));
}

std::string Label(const Scheme& scheme, const Legend& legend, const std::string& name, size_t i) {
  if (const size_t hash = legend.labels.find('#'); hash != std::string_view::npos) {
    return std::string(legend.labels.substr(0, hash)) + std::to_string(LastNumber(name)) +
           std::string(legend.labels.substr(hash + 1));
  }
  if (!legend.labels.empty()) {
    const std::vector<std::string> words = ExpandNames(legend.labels);
    if (i < words.size()) return words[i];
  } else if (legend.pins.type != ChipType::kNone) {
    const std::span<const PinMark> marks = ChipPinMarks(legend.pins.type, legend.pins.output);
    if (legend.pins.first + i < marks.size())
      return std::string(marks[legend.pins.first + i].label);
  } else if (legend.role == Role::kGateInput) {
    return {};  // from its routing element, once every indicator is placed
  }
  throw std::invalid_argument("scheme " + std::to_string(scheme.number()) + ": no label for " +
                              name);
}

void Place(Scheme& scheme, const PlaceRow& row, std::string name, size_t i, int g, int k) {
  Indicator& ind = scheme.indicators.emplace_back();
  ind.is_button = IsButtonName(name);
  ind.label = Label(scheme, row.legend, name, i);
  ind.role = row.legend.role;
  ind.pins = row.legend.pins;
  if (ind.pins.type != ChipType::kNone) ind.pins.first += static_cast<uint8_t>(i);
  ind.name = std::move(name);
  ind.left = row.left + g * row.step.left + k * row.inner.left;
  ind.top =
      row.tops.empty() ? row.top + g * row.step.top + k * row.inner.top : row.top + row.tops[i];
}

void PlaceIndicators(Scheme& scheme, const SchemeDef& def) {
  scheme.indicators.reserve(CountPlaces(def.places));
  for (const PlaceRow& row : def.places) {
    size_t i = 0;
    int g = 0;
    for (std::vector<std::string>& group : ExpandGroups(row.names)) {
      int k = 0;
      for (std::string& name : group) Place(scheme, row, std::move(name), i++, g, k++);
      ++g;
    }
  }
}

// A gate input is labelled with the bus line its routing element copies onto it.
void LabelRoutedInputs(Scheme& scheme) {
  for (const ElementRow& row : scheme.def().netlist) {
    const std::span<const uint8_t> map = RouteMapOf(row.proc);
    if (map.empty()) continue;
    const std::vector<std::string> inputs = ExpandNames(row.inputs);
    const std::vector<std::string> outputs = ExpandNames(row.outputs);
    for (size_t j = 0; j < outputs.size() && j < map.size(); ++j) {
      Indicator& target = scheme.At(outputs[j]);
      if (target.label.empty() && map[j] < inputs.size()) {
        target.label = scheme.At(inputs[map[j]]).label;
      }
    }
  }
}

// "IN00=1 IN01=0" into (indicator, value) pairs.
void ParseInitial(Scheme& scheme, std::string_view list) {
  for (const std::string& token : ExpandNames(list)) {
    const size_t eq = token.find('=');
    if (eq == std::string::npos || eq + 2 != token.size()) {
      throw std::invalid_argument("malformed initial input: " + token);
    }
    scheme.initial.emplace_back(IndexOf(scheme, token.substr(0, eq)), token[eq + 1] - '0');
  }
}

void CompileSteps(Scheme& scheme, const PressRow& row) {
  if (!row.each) {
    scheme.steps.push_back({static_cast<uint8_t>(row.first), static_cast<uint8_t>(row.last),
                            Indexes(scheme, row.draw)});
    return;
  }
  uint8_t element = static_cast<uint8_t>(row.first);
  for (const std::vector<std::string>& group : ExpandGroups(row.draw)) {
    CompiledStep& step = scheme.steps.emplace_back(CompiledStep{element, element, {}});
    for (const std::string& name : group) step.draw.push_back(IndexOf(scheme, name));
    ++element;
  }
}

void Wire(Scheme& scheme, const std::vector<std::string>& names, TPIntArr& refs) {
  size_t i = 0;
  for (const std::string& name : names) {
    refs.at(i++) = name == kNoName ? nullptr : &scheme.At(name).Tag;
  }
}

void AddElement(Scheme& scheme, TSEProc proc, const std::vector<std::string>& inputs,
                const std::vector<std::string>& outputs) {
  auto element = std::make_unique<TSE>(static_cast<uint8_t>(inputs.size()),
                                       static_cast<uint8_t>(outputs.size()), proc);
  Wire(scheme, inputs, element->FInputs);
  Wire(scheme, outputs, element->FOutputs);
  scheme.elements.push_back(std::move(element));
}

void InputStep(Scheme& scheme, Indicator& clicked) {
  const int32_t value = clicked.Tag;
  switch (scheme.def().mode) {
    case InputMode::kOneHot:
      for (uint16_t b : scheme.buttons) scheme.indicators[b].Tag = 0;
      clicked.Tag = 1;
      break;
    case InputMode::kToggle:
      clicked.Tag = value ^ 1;
      break;
    case InputMode::kOneHotWithToggle:
      if (clicked.name != scheme.def().toggle) {
        for (uint16_t b : scheme.buttons) {
          if (b != scheme.toggle) scheme.indicators[b].Tag = 0;
        }
      }
      clicked.Tag = value ^ 1;
      break;
  }
}

}  // namespace

bool IsButtonName(std::string_view name) {
  return name.starts_with("IN");
}

Scheme::Scheme(const SchemeDef& def) : def_(&def) {
  picture.left = def.picture.left;
  picture.top = def.picture.top;
  picture.width = def.picture.width;
  picture.height = def.picture.height;
  picture.Tag = def.number;
  PlaceIndicators(*this, def);
  LabelRoutedInputs(*this);
  buttons = Indexes(*this, def.buttons);
  for (const PressRow& row : def.press) CompileSteps(*this, row);
  ParseInitial(*this, def.initial);
  start = IndexOf(*this, def.start);
  if (def.mode == InputMode::kOneHotWithToggle) toggle = IndexOf(*this, def.toggle);
}

const Indicator* Scheme::Find(std::string_view name) const {
  for (const Indicator& ind : indicators) {
    if (ind.name == name) return &ind;
  }
  return nullptr;
}

Indicator* Scheme::Find(std::string_view name) {
  return const_cast<Indicator*>(std::as_const(*this).Find(name));
}

Indicator& Scheme::At(std::string_view name) {
  return const_cast<Indicator&>(std::as_const(*this).At(name));
}

const Indicator& Scheme::At(std::string_view name) const {
  const Indicator* ind = Find(name);
  if (ind == nullptr) {
    throw std::out_of_range("scheme " + std::to_string(number()) + " has no indicator " +
                            std::string(name));
  }
  return *ind;
}

void BuildNetlist(Scheme& scheme) {
  scheme.elements.clear();
  for (const ElementRow& row : scheme.def().netlist) {
    if (!row.each) {
      AddElement(scheme, row.proc, ExpandNames(row.inputs), ExpandNames(row.outputs));
      continue;
    }
    const std::vector<std::vector<std::string>> inputs = ExpandGroups(row.inputs);
    const std::vector<std::vector<std::string>> outputs = ExpandGroups(row.outputs);
    for (size_t g = 0; g < inputs.size() && g < outputs.size(); ++g) {
      AddElement(scheme, row.proc, inputs[g], outputs[g]);
    }
  }
}

void Press(Scheme& scheme, Indicator& clicked) {
  PressObserver* observer = scheme.observer;
  InputStep(scheme, clicked);
  for (uint16_t b : scheme.buttons) {
    LoadButtonPicture(scheme.indicators[b]);
    if (observer) observer->OnDraw(scheme.indicators[b]);
  }
  for (const CompiledStep& step : scheme.steps) {
    for (int e = step.first; e <= step.last && e > 0; ++e) {
      scheme.elements[e - 1]->Execute();
      if (observer) observer->OnExecute(e);
    }
    for (uint16_t d : step.draw) {
      LoadBitPicture(scheme.indicators[d]);
      if (observer) observer->OnDraw(scheme.indicators[d]);
    }
  }
}

void Evaluate(Scheme& scheme) {
  for (const std::unique_ptr<TSE>& element : scheme.elements) element->Execute();
}

void ApplyInitialInputs(Scheme& scheme) {
  for (const auto& [index, value] : scheme.initial) scheme.indicators[index].Tag = value;
}

}  // namespace kvir
