#include "circuit/scheme.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/arity.h"
#include "core/routes.h"

namespace kvir {
namespace {

uint16_t IndexOf(Scheme& scheme, std::string_view name) {
  return static_cast<uint16_t>(&scheme.At(name) - scheme.indicators().data());
}

/// A definition that cannot be built: "scheme 8, element 7: …".
[[noreturn]] void Fail(int scheme, const std::string& where, const std::string& what) {
  throw std::invalid_argument("scheme " + std::to_string(scheme) + ", " + where + ": " + what);
}

std::vector<uint16_t> Indexes(Scheme& scheme, std::string_view list) {
  std::vector<uint16_t> out;
  for (const std::string& name : ExpandNames(list)) out.push_back(IndexOf(scheme, name));
  return out;
}

std::string Range(int first, int last) {
  return std::to_string(first) + " … " + std::to_string(last);
}

// The number at the end of a name: IN05 → 5.
int LastNumber(std::string_view name) {
  return std::stoi(std::string(name.substr(name.size() - 2)));
}

// The label of name i of a row of `count` names.
std::string Label(int scheme, const Legend& legend, const std::string& name, size_t i,
                  size_t count) {
  if (const size_t hash = legend.labels.find('#'); hash != std::string_view::npos) {
    return std::string(legend.labels.substr(0, hash)) + std::to_string(LastNumber(name)) +
           std::string(legend.labels.substr(hash + 1));
  }
  if (!legend.labels.empty()) {
    const std::vector<std::string> words = ExpandNames(legend.labels);
    if (words.size() == count) return words[i];
    Fail(scheme, name,
         std::to_string(words.size()) + " labels for " + std::to_string(count) + " indicators");
  }
  if (legend.pins.type != ChipType::kNone) {
    const std::span<const PinMark> marks = ChipPinMarks(legend.pins.type, legend.pins.output);
    if (legend.pins.first + i < marks.size()) {
      return std::string(marks[legend.pins.first + i].label);
    }
    Fail(scheme, name, "the chip has no pin " + std::to_string(legend.pins.first + i));
  }
  if (legend.role == Role::kGateInput) return {};  // from its routing element, later
  Fail(scheme, name, "no label");
}

Indicator Placed(int scheme, const PlaceRow& row, std::string name, size_t i, size_t count,
                 Step at) {
  if (!row.tops.empty() && i >= row.tops.size()) Fail(scheme, name, "no top in its row");
  Indicator ind;
  ind.is_button = IsButtonName(name);
  ind.label = Label(scheme, row.legend, name, i, count);
  ind.role = row.legend.role;
  ind.pins = row.legend.pins;
  ind.active = row.legend.active;
  if (ind.pins.type != ChipType::kNone) ind.pins.first += static_cast<uint8_t>(i);
  ind.name = std::move(name);
  ind.left = row.left + at.left;
  ind.top = row.tops.empty() ? row.top + at.top : row.top + row.tops[i];
  return ind;
}

std::vector<Indicator> PlaceIndicators(const SchemeDef& def) {
  std::vector<Indicator> placed;
  for (const PlaceRow& row : def.places) {
    const size_t count = static_cast<size_t>(CountNames(row.names));
    size_t i = 0;
    int g = 0;
    for (std::vector<std::string>& group : ExpandGroups(row.names)) {
      int k = 0;
      for (std::string& name : group) {
        const Step at = {g * row.step.left + k * row.inner.left,
                         g * row.step.top + k * row.inner.top};
        placed.push_back(Placed(def.number, row, std::move(name), i++, count, at));
        ++k;
      }
      ++g;
    }
  }
  return placed;
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
  const std::vector<std::vector<std::string>> groups = ExpandGroups(row.draw);
  if (row.each && static_cast<int>(groups.size()) != row.last - row.first + 1) {
    Fail(scheme.number(), "press row for elements " + Range(row.first, row.last),
         std::to_string(groups.size()) + " groups to draw");
  }
  if (!row.each) {
    scheme.steps.push_back({static_cast<uint8_t>(row.first), static_cast<uint8_t>(row.last),
                            Indexes(scheme, row.draw)});
    return;
  }
  uint8_t element = static_cast<uint8_t>(row.first);
  for (const std::vector<std::string>& group : groups) {
    CompiledStep& step = scheme.steps.emplace_back(CompiledStep{element, element, {}});
    for (const std::string& name : group) step.draw.push_back(IndexOf(scheme, name));
    ++element;
  }
}

using Names = std::vector<std::string>;

void Wire(Scheme& scheme, const Names& names, TPIntArr& refs) {
  size_t i = 0;
  for (const std::string& name : names) {
    refs.at(i++) = name == kNoName ? nullptr : &scheme.At(name).Tag;
  }
}

// Every output is wired; an input may be unwired only where a routing map never reads it.
void CheckWired(const Scheme& scheme, const std::string& where, TSEProc proc, const Names& inputs,
                const Names& outputs) {
  for (size_t j = 0; j < outputs.size(); ++j) {
    if (outputs[j] == kNoName)
      Fail(scheme.number(), where, "output " + std::to_string(j) + " is unwired");
  }
  const std::span<const uint8_t> map = RouteMapOf(proc);
  for (size_t j = 0; j < inputs.size(); ++j) {
    const bool read = map.empty() || std::find(map.begin(), map.end(), j) != map.end();
    if (read && inputs[j] == kNoName) {
      Fail(scheme.number(), where, "input " + std::to_string(j) + " is read but unwired");
    }
  }
}

void AddElement(Scheme& scheme, TSEProc proc, const Names& inputs, const Names& outputs) {
  const std::string where = "element " + std::to_string(scheme.elements.size() + 1);
  Arity arity;
  try {
    arity = ArityOf(proc);
  } catch (const std::invalid_argument&) {
    Fail(scheme.number(), where, "its procedure is not in the library");
  }
  const int in = static_cast<int>(inputs.size());
  const int out = static_cast<int>(outputs.size());
  if (!arity.Fits(in, out)) {
    Fail(scheme.number(), where,
         std::string(arity.proc) + " takes " + arity.Describe() + ", not " + Counted(in, "input") +
             " and " + Counted(out, "output"));
  }
  CheckWired(scheme, where + " (" + std::string(arity.proc) + ")", proc, inputs, outputs);
  auto element = std::make_unique<TSE>(static_cast<uint8_t>(in), static_cast<uint8_t>(out), proc);
  Wire(scheme, inputs, element->FInputs);
  Wire(scheme, outputs, element->FOutputs);
  scheme.elements.push_back(std::move(element));
}

// The press steps run elements 1 … N, each once, in creation order.
void CheckSteps(const Scheme& scheme) {
  const int count = static_cast<int>(scheme.elements.size());
  int next = 1;
  for (size_t i = 0; i < scheme.steps.size(); ++i) {
    const CompiledStep& step = scheme.steps[i];
    if (step.first != next || step.last < step.first || step.last > count) {
      Fail(scheme.number(), "press step " + std::to_string(i + 1),
           "runs elements " + Range(step.first, step.last) + " where element " +
               std::to_string(next) + " of " + std::to_string(count) + " comes next");
    }
    next = step.last + 1;
  }
  if (next != count + 1) {
    Fail(scheme.number(), "press steps",
         "end before element " + std::to_string(next) + " of " + std::to_string(count));
  }
}

void InputStep(Scheme& scheme, Indicator& clicked) {
  const int32_t value = clicked.Tag;
  switch (scheme.def().mode) {
    case InputMode::kOneHot:
      for (uint16_t b : scheme.buttons) scheme.indicators()[b].Tag = 0;
      clicked.Tag = 1;
      break;
    case InputMode::kToggle:
      clicked.Tag = value ^ 1;
      break;
    case InputMode::kOneHotWithToggle:
      if (clicked.name != scheme.def().toggle) {
        for (uint16_t b : scheme.buttons) {
          if (b != scheme.toggle) scheme.indicators()[b].Tag = 0;
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

uint16_t IndexIn(const Scheme& scheme, const Indicator& indicator) {
  return static_cast<uint16_t>(&indicator - scheme.indicators().data());
}

AttachedObserver::AttachedObserver(Scheme& scheme) : scheme_(scheme), previous_(scheme.observer) {
  scheme_.observer = this;
}

AttachedObserver::~AttachedObserver() {
  scheme_.observer = previous_;
}

void AttachedObserver::OnExecute(int element_number) {
  if (previous_ != nullptr) previous_->OnExecute(element_number);
}

void AttachedObserver::OnDraw(const Indicator& indicator) {
  if (previous_ != nullptr) previous_->OnDraw(indicator);
}

Scheme::Scheme(const SchemeDef& def) : def_(&def) {
  std::vector<Indicator> placed = PlaceIndicators(def);
  indicator_count_ = placed.size();
  indicators_ = std::make_unique<Indicator[]>(indicator_count_);
  std::move(placed.begin(), placed.end(), indicators_.get());
  LabelRoutedInputs(*this);
  buttons = Indexes(*this, def.buttons);
  for (const PressRow& row : def.press) CompileSteps(*this, row);
  ParseInitial(*this, def.initial);
  start = IndexOf(*this, def.start);
  if (def.mode == InputMode::kOneHotWithToggle) toggle = IndexOf(*this, def.toggle);
}

const Indicator* Scheme::Find(std::string_view name) const {
  for (const Indicator& ind : indicators()) {
    if (ind.name == name) return &ind;
  }
  return nullptr;
}

std::vector<uint16_t> Scheme::ButtonsCalled(std::string_view word) const {
  std::vector<uint16_t> labelled;
  for (const uint16_t b : buttons) {
    const Indicator& button = indicators()[b];
    if (button.name == word) return {b};
    if (button.label == word) labelled.push_back(b);
  }
  return labelled;
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
    const std::vector<Names> inputs = ExpandGroups(row.inputs);
    const std::vector<Names> outputs = ExpandGroups(row.outputs);
    if (inputs.size() != outputs.size()) {
      Fail(scheme.number(), "element " + std::to_string(scheme.elements.size() + 1),
           std::to_string(inputs.size()) + " input groups for " + std::to_string(outputs.size()) +
               " output groups");
    }
    for (size_t g = 0; g < inputs.size(); ++g) AddElement(scheme, row.proc, inputs[g], outputs[g]);
  }
  CheckSteps(scheme);
}

void Press(Scheme& scheme, Indicator& clicked) {
  const std::span<Indicator> indicators = scheme.indicators();
  if (!scheme.built()) {
    throw std::logic_error("scheme " + std::to_string(scheme.number()) +
                           " pressed while its netlist is not built");
  }
  if (&clicked < indicators.data() || &clicked >= indicators.data() + indicators.size() ||
      !clicked.is_button) {
    throw std::invalid_argument("scheme " + std::to_string(scheme.number()) + " has no button " +
                                clicked.name);
  }
  PressObserver* observer = scheme.observer;
  InputStep(scheme, clicked);
  for (uint16_t b : scheme.buttons) {
    if (observer) observer->OnDraw(indicators[b]);
  }
  for (const CompiledStep& step : scheme.steps) {
    for (int e = step.first; e <= step.last; ++e) {
      scheme.elements[e - 1]->Execute();
      if (observer) observer->OnExecute(e);
    }
    for (uint16_t d : step.draw) {
      if (observer) observer->OnDraw(indicators[d]);
    }
  }
}

void Evaluate(Scheme& scheme) {
  for (const std::unique_ptr<TSE>& element : scheme.elements) element->Execute();
}

void ApplyInitialInputs(Scheme& scheme) {
  for (const auto& [index, value] : scheme.initial) scheme.indicators()[index].Tag = value;
}

}  // namespace kvir
