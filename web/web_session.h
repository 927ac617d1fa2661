#pragma once
// The browser edition's model: one scheme in sight, pressed as the program presses it, and its
// panel composed as `kvir-cli render N BUTTONS --crop` writes it. Knows no browser: the binding
// (binding.cc) hands what it holds to the page, and the tests drive it as the page does.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "circuit/scheme_set.h"
#include "learning/press_replay.h"
#include "learning/quiz.h"
#include "learning/reached_rows.h"
#include "learning/truth_table_view.h"
#include "render/panel_overlay.h"
#include "render/panel_pictures.h"

namespace kvir {

/// The pictures' zoom levels the page carries: the plain one, and one for screens of two device
/// pixels per pixel.
inline constexpr int kWebZoomLevels[] = {100, 200};

/// Whether `percent` is one of kWebZoomLevels.
bool IsWebZoom(int percent);

class WebSession {
 public:
  /// Every scheme's netlist built, none selected yet.
  WebSession();
  WebSession(const WebSession&) = delete;
  WebSession& operator=(const WebSession&) = delete;
  ~WebSession();

  /// Selects scheme n (1 … 16) afresh in `style`, as the list does: its initial state, its
  /// pictures decoded only as the selection redraws them, as in a fresh `kvir-cli render`.
  /// Returns false (and changes nothing) for another n or a zoom the page does not carry.
  bool Select(int n, PictureStyle style);
  /// Presses the input button of that name (IN03) through the scheme's press procedure; false
  /// when the shown scheme has no such button.
  bool Press(std::string_view name);
  /// In the step mode a press is replayed stage by stage (PressReplay): the levels change at once,
  /// the panel shows the indicators whose stage has not come with what they showed before, and
  /// the latest stage's indicators framed. Leaving the mode ends a replay.
  void SetStepMode(bool on);
  bool step_mode() const { return step_mode_; }
  /// Shows the next stage of the replay, or ends it after the last; false when none is left.
  bool Advance();
  bool replaying() const { return replay_ != nullptr; }
  /// What is shown over the model's pictures: a replay's stage or a question's cards; or null.
  const PanelOverlay* overlay() const { return replay_ || question_ ? &overlay_ : nullptr; }
  /// "Проверь себя": a question on the present state hides the outputs behind cards; a press
  /// asks about the new state. Leaving the mode shows the model's pictures again.
  void SetQuizMode(bool on);
  bool quiz_mode() const { return quiz_mode_; }
  /// The next question: a state drawn from the truth table, other than the present one where
  /// there is another, reached with one press.
  void Ask();
  /// Changes the guess on a hidden lamp (QuizQuestion::CycleGuess).
  bool Guess(int index);
  /// Checks the guesses, adding them to the score once.
  void Check();
  /// The open question; null outside the quiz mode.
  const QuizQuestion* question() const { return question_ ? &*question_ : nullptr; }
  const QuizScore& score() const { return score_; }
  /// Gives the shown scheme's pictures the look of `style` without changing a level; false for a
  /// zoom the page does not carry.
  bool Restyle(PictureStyle style);

  int shown() const { return n_; }  ///< 0 before the first selection
  const Scheme& scheme() const { return pictures_->scheme(); }
  const PanelPictures& pictures() const { return *pictures_; }
  /// The part of the panel the page shows: the scheme picture and its margin (CropRect).
  PictureRect shown_rect() const;
  /// The shown scheme's truth table as a student reads it, worked out at its first use.
  const TruthTableView& table();
  /// The input states set since the scheme was selected, for the table's reached rows.
  const ReachedStates& reached() const { return reached_; }

  /// The panel within shown_rect(), RGBA, rows top to bottom: the pixels of the render. Only
  /// what the presses since the last call redrew is composed again.
  const std::vector<uint8_t>& ComposeRgba();
  /// The parts the last ComposeRgba composed, in the shown part's own pixels: where the page
  /// needs to paint again.
  const std::vector<PictureRect>& recomposed() const { return recomposed_; }

 private:
  /// Remembers which indicators the presses redraw, so that only their places are composed.
  class DrawRecorder : public AttachedObserver {
   public:
    DrawRecorder(Scheme& scheme, std::vector<uint16_t>& drawn)
        : AttachedObserver(scheme), drawn_(drawn) {}
    void OnDraw(const Indicator& indicator) override;

   private:
    std::vector<uint16_t>& drawn_;
  };

  void StartPictures(Scheme& scheme, PictureStyle style);
  void EndReplay();
  /// A question on the present state, its cards in the style's zoom.
  void AskAboutPresentState();
  /// The cards over the hidden lamps as the question stands.
  void ShowQuestion();
  /// The overlay of the replay's present stage, composed whole next time.
  void ShowStage();
  /// The parts of the shown part to compose again: the places of the indicators redrawn, or the
  /// whole of it where those overlap or nothing was composed yet.
  std::vector<PictureRect> DirtyRegion() const;
  void CopyToRgba(const PictureRect& part);

  SchemeSet set_;
  HeadlessHost host_;
  int n_ = 0;
  std::unique_ptr<PanelPictures> pictures_;
  std::unique_ptr<DrawRecorder> recorder_;  // after pictures_: observers end in reverse order
  std::vector<uint16_t> drawn_;
  ReachedStates reached_;
  bool step_mode_ = false;
  std::unique_ptr<PressReplay> replay_;
  std::vector<Picture> before_;  ///< what each indicator showed before the press replayed
  PanelOverlay overlay_;
  bool quiz_mode_ = false;
  std::optional<QuizQuestion> question_;
  std::optional<QuizLamps> lamps_;  ///< what a question on scheme lamps_scheme_ covers
  int lamps_scheme_ = 0;
  QuizScore score_;
  std::array<Picture, kLampCardCount> cards_;  ///< at the zoom of the pictures
  std::mt19937 random_{std::random_device()()};
  int table_scheme_ = 0;  ///< whose table table_ holds
  TruthTableView table_;
  bool composed_ = false;  ///< whether rgb_ holds the panel as it was before the presses in drawn_
  Picture rgb_;            ///< the shown part, RGB
  std::vector<uint8_t> rgba_;
  std::vector<PictureRect> recomposed_;
};

}  // namespace kvir
