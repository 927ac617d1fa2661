#pragma once
// A session that owns what it works over: every scheme's netlist, a host that only records, and
// the pictures of the scheme shown, made afresh at each selection; with the panel's pixels as
// RGBA. The page's session, and the headless tests'.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "circuit/scheme_set.h"
#include "render/panel_pictures.h"
#include "render/panel_rgba.h"
#include "session/session.h"

namespace kvir {

class StandaloneSession : private SessionObserver {
 public:
  /// Every scheme's netlist built, none selected yet; the quiz seeded with `seed` if given.
  explicit StandaloneSession(std::optional<uint32_t> seed = std::nullopt);
  StandaloneSession(const StandaloneSession&) = delete;
  StandaloneSession& operator=(const StandaloneSession&) = delete;
  ~StandaloneSession() override;

  /// The session; lives as long as this.
  Session& session() { return *session_; }
  const Session& session() const { return *session_; }

  /// Selects scheme n (1 … 16) afresh in `style`, as the list does, its pictures decoded only as
  /// the selection redraws them, as in a fresh `kvir-cli render`. False (nothing changes) for
  /// another n.
  bool Select(int n, PictureStyle style);
  /// Gives the shown scheme's pictures the look of `style` without changing a level; false
  /// before the first selection.
  bool Restyle(PictureStyle style);

  /// The shown scheme's pictures; only after a selection.
  const PanelPictures& pictures() const { return *pictures_; }
  /// The part of the panel composed: the scheme picture and its margin (CropRect); empty before
  /// the first selection.
  PictureRect shown_rect() const;
  /// The panel within shown_rect() under the session's overlay, RGBA (RgbaPanel::Compose).
  const std::vector<uint8_t>& ComposeRgba();
  /// Where the last ComposeRgba composed, in the shown part's own pixels.
  const std::vector<PictureRect>& recomposed() const;

 private:
  void OnSessionChanged(SessionChanges what) override;

  SchemeSet set_;
  HeadlessHost host_;
  std::unique_ptr<PanelPictures> pictures_;
  std::unique_ptr<RgbaPanel> rgba_;  // after pictures_: observers of a scheme end in reverse order
  std::unique_ptr<Session> session_;
};

}  // namespace kvir
