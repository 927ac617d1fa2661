#include "schemes/scheme.h"

#include <stdexcept>

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

void PlaceIndicators(Scheme& scheme, const SchemeDef& def) {
  scheme.indicators.reserve(CountPlaces(def.places));
  for (const PlaceRow& row : def.places) {
    int i = 0;
    for (std::string& name : ExpandNames(row.names)) {
      Indicator& ind = scheme.indicators.emplace_back();
      ind.is_button = IsButtonName(name);
      ind.name = std::move(name);
      ind.left = row.left + i * row.step_left;
      ind.top = row.top + i * row.step_top;
      ++i;
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

void Wire(Scheme& scheme, std::string_view list, TPIntArr& refs) {
  size_t i = 0;
  for (const std::string& name : ExpandNames(list)) {
    refs.at(i++) = name == kNoName ? nullptr : &scheme.At(name).Tag;
  }
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
  buttons = Indexes(*this, def.buttons);
  for (const PressRow& row : def.press)
    steps.push_back({row.first, row.last, Indexes(*this, row.draw)});
  ParseInitial(*this, def.initial);
  start = IndexOf(*this, def.start);
  if (def.mode == InputMode::kOneHotWithToggle) toggle = IndexOf(*this, def.toggle);
}

Indicator* Scheme::Find(std::string_view name) {
  for (Indicator& ind : indicators) {
    if (ind.name == name) return &ind;
  }
  return nullptr;
}

Indicator& Scheme::At(std::string_view name) {
  Indicator* ind = Find(name);
  if (ind == nullptr) {
    throw std::out_of_range("scheme " + std::to_string(number()) + " has no indicator " +
                            std::string(name));
  }
  return *ind;
}

void BuildNetlist(Scheme& scheme) {
  scheme.elements.clear();
  for (const ElementRow& row : scheme.def().netlist) {
    const int inputs = CountNames(row.inputs);
    const int outputs = CountNames(row.outputs);
    auto element = std::make_unique<TSE>(static_cast<uint8_t>(inputs),
                                         static_cast<uint8_t>(outputs), row.proc);
    Wire(scheme, row.inputs, element->FInputs);
    Wire(scheme, row.outputs, element->FOutputs);
    scheme.elements.push_back(std::move(element));
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
