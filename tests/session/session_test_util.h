#pragma once
// A Session wired as each front end wires it: over the window's schemes and pictures, or as the
// page's StandaloneSession.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "circuit/scheme_set.h"
#include "render/panel_pictures.h"
#include "session/session.h"
#include "session/standalone_session.h"

namespace kvir::testing {

/// A session and the way its front end selects a scheme.
class Wiring {
 public:
  virtual ~Wiring() = default;
  virtual Session& session() = 0;
  /// Selects scheme n as the front end's list does.
  virtual void Select(int n) = 0;
  /// How many presses the front end ran itself.
  int presses = 0;
};

/// As the window: the sixteen schemes and their pictures owned outside the session, started by
/// InitSchemes through the session's host, every press run by the front end.
class WindowWiring : public Wiring {
 public:
  explicit WindowWiring(std::optional<uint32_t> seed = std::nullopt)
      : pictures_(set_),
        session_(SessionGround{
                     .set = set_,
                     .host = host_,
                     .pictures = [this](int n) -> PanelPictures& { return pictures_.pictures(n); },
                     .press =
                         [this](int n, Indicator& button) {
                           ++presses;
                           kSchemeTable[n - 1].press(set_.scheme(n), button);
                           return true;
                         }},
                 seed) {
    InitSchemes(set_, session_.host());
  }
  ~WindowWiring() override { FreeSchemes(set_); }

  Session& session() override { return session_; }
  void Select(int n) override { session_.Select(n); }
  SchemeSet& set() { return set_; }
  HeadlessHost& host() { return host_; }

 private:
  SchemeSet set_;
  PanelPictureSet pictures_;
  HeadlessHost host_;  // the scheme pictures are not needed here: the window's host decodes them
  Session session_;
};

/// As the page: the session that owns its schemes, each selection in the plain style at 100 %.
class PageWiring : public Wiring {
 public:
  explicit PageWiring(std::optional<uint32_t> seed = std::nullopt) : page_(seed) {}
  Session& session() override { return page_.session(); }
  void Select(int n) override { page_.Select(n, {}); }
  StandaloneSession& page() { return page_; }

 private:
  StandaloneSession page_;
};

/// Makes one of the two wirings.
struct WiringMaker {
  std::string name;
  std::function<std::unique_ptr<Wiring>(std::optional<uint32_t> seed)> make;
};

inline const WiringMaker kWirings[] = {
    {"Window", [](std::optional<uint32_t> seed) { return std::make_unique<WindowWiring>(seed); }},
    {"Page", [](std::optional<uint32_t> seed) { return std::make_unique<PageWiring>(seed); }},
};

}  // namespace kvir::testing
