#include "tests/reliability/storm.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <random>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tests/reliability/reference_model.h"

namespace kvir::reliability {
namespace {

/// A fault the storm found, described for the report.
struct Fault {
  std::string what;
};

/// The resource an indicator of that name must show for that cell.
std::string_view PictureFor(std::string_view name, int32_t cell) {
  static constexpr std::string_view kNames[2][2] = {{"BIT0PNG", "BIT1PNG"},
                                                    {"BUTTON0PNG", "BUTTON1PNG"}};
  return kNames[name.starts_with("IN") ? 1 : 0][cell];
}

/// What each indicator of one scheme would show after the redraws heard so far: the picture of
/// its cell at its last redraw, by name; nothing is decoded. A cell outside 0 and 1 draws "?".
class RedrawRecord : public AttachedObserver {
 public:
  explicit RedrawRecord(Scheme& scheme)
      : AttachedObserver(scheme), drawn_(scheme.indicators().size()) {}

  void OnDraw(const Indicator& ind) override {
    drawn_[IndexIn(scheme(), ind)] =
        ind.Tag == 0 || ind.Tag == 1 ? PictureFor(ind.name, ind.Tag) : "?";
    AttachedObserver::OnDraw(ind);
  }
  std::string_view drawn(size_t index) const { return drawn_[index]; }
  /// Forgets every redraw, so a press that skips one is caught even where the old picture fits.
  void Forget() { std::ranges::fill(drawn_, std::string_view()); }

 private:
  std::vector<std::string_view> drawn_;
};

class Storm {
 public:
  explicit Storm(const StormOptions& options) : options_(options), random_(options.seed) {}

  StormReport Run(const std::function<void(SchemeSet&)>& tamper) {
    try {
      Start();
      if (tamper) tamper(set_);
      while (report_.presses < options_.presses) {
        if (current_ == 0 || OneIn(options_.reselect_one_in)) {
          Select(static_cast<int>(random_() % (kSchemeCount + 2)));
        } else {
          PressRandomButton();
        }
      }
      last_action_ = "the end of the storm";
      CheckAll();
    } catch (const Fault& fault) {
      report_.failure = "after " + last_action_ + ": " + fault.what;
    } catch (const std::exception& error) {
      report_.failure = "after " + last_action_ + ": exception: " + error.what();
    }
    return report_;
  }

 private:
  bool OneIn(int n) { return n > 0 && random_() % static_cast<uint64_t>(n) == 0; }

  void Start() {
    last_action_ = "start-up";
    for (int n = 1; n <= kSchemeCount; ++n) {
      Scheme& s = set_.scheme(n);
      for (const std::string& name : reference::ButtonNames(n)) {
        button_names_[n - 1].push_back(name);
        button_index_[n - 1].push_back(&s.At(name) - s.indicators().data());
      }
    }
    for (int n = 1; n <= kSchemeCount; ++n) {
      redraws_[n - 1] = std::make_unique<RedrawRecord>(set_.scheme(n));
    }
    buttons_[0] = reference::ButtonsAfterSelection(1);
    current_ = 1;
    InitSchemes(set_, host_);
    ++report_.selections;
    ExpectShown(1);
    CheckAll();
  }

  /// Selects n (0 and 17 lie outside the list and leave the scheme area empty).
  void Select(int n) {
    last_action_ = "action " + std::to_string(Actions()) + ", selection of " + std::to_string(n);
    const bool valid = n >= 1 && n <= kSchemeCount;
    if (valid) ForgetShownPictures(n);
    SelectScheme(set_, host_, static_cast<uint8_t>(n));
    ++report_.selections;
    current_ = valid ? n : 0;
    if (valid) buttons_[n - 1] = reference::ButtonsAfterSelection(n);
    ExpectShown(current_);
    CheckAll();
  }

  void PressRandomButton() {
    const int n = current_;
    const std::vector<ptrdiff_t>& indexes = button_index_[n - 1];
    const size_t pick = random_() % indexes.size();
    const std::string& name = button_names_[n - 1][pick];
    last_action_ = "action " + std::to_string(Actions()) + ", press of " + name + " on scheme " +
                   std::to_string(n);
    Scheme& s = set_.scheme(n);
    ForgetShownPictures(n);
    kSchemeTable[n - 1].press(s, s.indicators()[indexes[pick]]);
    reference::ApplyPress(n, name, buttons_[n - 1]);
    ++report_.presses;
    CheckScheme(n);
  }

  void ForgetShownPictures(int n) { redraws_[n - 1]->Forget(); }

  void ExpectShown(int n) {
    if (host_.shown() != n) {
      throw Fault{"scheme " + std::to_string(host_.shown()) + " is shown, not " +
                  std::to_string(n)};
    }
  }

  void CheckAll() {
    for (int n = 1; n <= kSchemeCount; ++n) CheckScheme(n);
  }

  /// Every indicator of scheme n: cell 0 or 1, equal to the reference, showing its picture.
  void CheckScheme(int n) {
    Scheme& s = set_.scheme(n);
    const bool selected_once = !buttons_[n - 1].empty();
    const std::vector<int8_t>* expected = selected_once ? &ExpectedCells(n) : nullptr;
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      const Indicator& ind = s.indicators()[i];
      const std::string where = "scheme " + std::to_string(n) + " " + ind.name;
      if (ind.Tag != 0 && ind.Tag != 1) {
        throw Fault{where + " holds " + std::to_string(ind.Tag)};
      }
      const int want = expected ? (*expected)[i] : 0;
      if (want < 0) throw Fault{"the reference model has no " + where};
      if (ind.Tag != want) {
        throw Fault{where + " is " + std::to_string(ind.Tag) + ", the reference says " +
                    std::to_string(want) + " (buttons " + ButtonText(n) + ")"};
      }
      if (selected_once) CheckShown(where, ind, redraws_[n - 1]->drawn(i));
      ++report_.indicators_checked;
    }
  }

  static void CheckShown(const std::string& where, const Indicator& ind, std::string_view drawn) {
    const std::string_view want = PictureFor(ind.name, ind.Tag);
    if (drawn != want) {
      throw Fault{where + " shows \"" + std::string(drawn) + "\" for cell " +
                  std::to_string(ind.Tag) + ", not " + std::string(want)};
    }
  }

  /// The reference cells of scheme n in indicator order (-1: not in the model), cached by
  /// button state.
  const std::vector<int8_t>& ExpectedCells(int n) {
    uint32_t mask = 0;
    int bit = 0;
    for (const auto& [name, level] : buttons_[n - 1]) mask |= static_cast<uint32_t>(level) << bit++;
    auto [entry, inserted] = expected_[n - 1].try_emplace(mask);
    if (inserted) {
      const reference::Levels levels = reference::Expected(n, buttons_[n - 1]);
      for (const Indicator& ind : set_.scheme(n).indicators()) {
        const auto found = levels.find(ind.name);
        entry->second.push_back(found == levels.end() ? -1 : static_cast<int8_t>(found->second));
      }
    }
    return entry->second;
  }

  std::string ButtonText(int n) const {
    std::string text;
    for (const auto& [name, level] : buttons_[n - 1]) {
      text += name + "=" + std::to_string(level) + " ";
    }
    if (!text.empty()) text.pop_back();
    return text;
  }

  uint64_t Actions() const { return report_.presses + report_.selections + 1; }

  StormOptions options_;
  std::mt19937_64 random_;
  SchemeSet set_;
  HeadlessHost host_;
  std::array<std::unique_ptr<RedrawRecord>, kSchemeCount> redraws_;
  std::array<std::vector<std::string>, kSchemeCount> button_names_;
  std::array<std::vector<ptrdiff_t>, kSchemeCount> button_index_;
  std::array<reference::Levels, kSchemeCount> buttons_;  ///< empty until first selected
  std::array<std::unordered_map<uint32_t, std::vector<int8_t>>, kSchemeCount> expected_;
  int current_ = 0;  ///< the shown scheme, 0 for none
  std::string last_action_;
  StormReport report_;
};

}  // namespace

StormReport RunStorm(const StormOptions& options, const std::function<void(SchemeSet&)>& tamper) {
  return Storm(options).Run(tamper);
}

}  // namespace kvir::reliability
