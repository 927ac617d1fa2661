// The learning modes without a window: "Пошагово" and "Проверь себя" as a Session decides them,
// driven the way the window wires it and the way the page does, and what its observers hear.

#include "session/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "learning/truth_table.h"
#include "learning/truth_table_view.h"
#include "tests/circuit/scheme_test_util.h"
#include "tests/session/session_test_util.h"

namespace kvir {
namespace {

using testing::kWirings;
using testing::Wiring;
using testing::WiringMaker;

/// Collects what a session says changed.
class ChangeLog : public SessionObserver {
 public:
  explicit ChangeLog(Session& session) : session_(session) { session.AddObserver(*this); }
  ~ChangeLog() override { session_.RemoveObserver(*this); }
  void OnSessionChanged(SessionChanges what) override { heard |= what; }
  SessionChanges heard = 0;

 private:
  Session& session_;
};

std::vector<int32_t> Cells(const Scheme& scheme) {
  std::vector<int32_t> cells;
  for (const Indicator& ind : scheme.indicators()) cells.push_back(ind.Tag);
  return cells;
}

int RowNow(Session& session) {
  return RowOf(session.table(session.shown()), session.scheme());
}

uint16_t Index(Session& session, const char* name) {
  return IndexIn(session.scheme(), session.scheme().At(name));
}

std::vector<uint16_t> Outputs(const Scheme& scheme) {
  std::vector<uint16_t> outputs;
  for (const Indicator& ind : scheme.indicators()) {
    if (ind.role == Role::kOutput) outputs.push_back(IndexIn(scheme, ind));
  }
  return outputs;
}

class SessionTest : public ::testing::TestWithParam<WiringMaker> {
 protected:
  void SetUp() override { wiring_ = GetParam().make(std::nullopt); }
  Wiring& wiring() { return *wiring_; }
  Session& session() { return wiring_->session(); }

 private:
  std::unique_ptr<Wiring> wiring_;
};

// "Проверь себя" --------------------------------------------------------------------------------

// Switched on, and at each next question, the quiz poses a row of the truth table other than the
// one shown; the outputs are hidden and only gate inputs are masked.
TEST_P(SessionTest, EveryQuestionIsANewRowWithTheOutputsHidden) {
  for (int n : {1, 4, 6, 9, 10, 13, 15}) {
    wiring().Select(n);
    session().SetMode(SessionMode::kPlain);
    for (int question = 0; question < 4; ++question) {
      const int before = RowNow(session());
      if (question == 0) {
        session().SetMode(SessionMode::kQuiz);
      } else {
        session().Ask();
      }
      ASSERT_NE(session().question(), nullptr);
      EXPECT_NE(RowNow(session()), before) << "scheme " << n << " question " << question;
      EXPECT_GE(RowNow(session()), 0);
      const Scheme& s = session().scheme();
      const QuizQuestion& asked = *session().question();
      EXPECT_EQ(asked.hidden(), Outputs(s)) << "scheme " << n;
      for (uint16_t masked : asked.masked()) {
        EXPECT_EQ(s.indicators()[masked].role, Role::kGateInput) << s.indicators()[masked].name;
      }
      const PanelOverlay* overlay = session().overlay();
      ASSERT_NE(overlay, nullptr);
      for (uint16_t lamp : asked.hidden()) {
        EXPECT_NE(overlay->pictures.at(lamp), nullptr);
        EXPECT_TRUE(Conceals(overlay, lamp)) << "a hidden level is not told";
      }
    }
  }
}

// A guess cycles none, 0, 1, 0 on a hidden lamp only; the check reveals each lamp right, wrong or
// missed and scores the lamps once; the score runs on over the questions until the quiz ends.
TEST_P(SessionTest, GuessesAreCheckedAndScoredOnce) {
  wiring().Select(6);
  session().SetMode(SessionMode::kQuiz);
  const std::vector<uint16_t> outputs = Outputs(session().scheme());
  ASSERT_EQ(outputs.size(), 8u);
  EXPECT_FALSE(session().Guess(Index(session(), "BUS01")));
  EXPECT_FALSE(session().Guess(-1));
  EXPECT_FALSE(session().Guess(65536 + outputs[0]));
  EXPECT_TRUE(session().Guess(outputs[0]));
  EXPECT_EQ(session().question()->CardOf(outputs[0]), LampCard::kGuess0);
  EXPECT_TRUE(session().Guess(outputs[0]));
  EXPECT_EQ(session().question()->CardOf(outputs[0]), LampCard::kGuess1);

  // Five right, two wrong, one left without a guess.
  const Scheme& s = session().scheme();
  for (size_t i = 0; i < outputs.size(); ++i) {
    const int level = s.indicators()[outputs[i]].Tag;
    const int guess = i < 5 ? level : level ^ 1;
    while (i < 7 && session().question()->GuessOf(outputs[i]) != guess) {
      session().Guess(outputs[i]);
    }
  }
  session().Check();
  EXPECT_FALSE(session().QuestionOpen());
  for (size_t i = 0; i < outputs.size(); ++i) {
    const int level = s.indicators()[outputs[i]].Tag;
    const LampCard want = i < 5   ? (level ? LampCard::kRight1 : LampCard::kRight0)
                          : i < 7 ? (level ? LampCard::kWrong1 : LampCard::kWrong0)
                                  : (level ? LampCard::kMissed1 : LampCard::kMissed0);
    EXPECT_EQ(session().question()->CardOf(outputs[i]), want) << i;
  }
  EXPECT_TRUE(session().overlay()->concealed.empty()) << "the check shows every level";
  EXPECT_EQ(session().score().right, 5);
  EXPECT_EQ(session().score().checked, 8);
  EXPECT_FALSE(session().Guess(outputs[0])) << "no guess after the check";
  session().Check();
  EXPECT_EQ(session().score().checked, 8) << "a second check scores nothing";

  session().Ask();
  for (uint16_t lamp : outputs) {
    while (session().question()->GuessOf(lamp) != session().scheme().indicators()[lamp].Tag) {
      session().Guess(lamp);
    }
  }
  session().Check();
  EXPECT_EQ(session().score().right, 13);
  EXPECT_EQ(session().score().checked, 16);
  session().SetMode(SessionMode::kPlain);
  EXPECT_EQ(session().score().checked, 0);
  EXPECT_EQ(session().question(), nullptr);
  EXPECT_EQ(session().overlay(), nullptr);
}

// The harder level also asks the lamps inside that do not merely carry an input.
TEST_P(SessionTest, HarderLevelAsksTheInnerLamps) {
  wiring().Select(8);
  session().SetLevel(QuizLevel::kInnerLamps);
  session().SetMode(SessionMode::kQuiz);
  const QuizQuestion& question = *session().question();
  EXPECT_EQ(question.hidden().size(), size_t(16 + 4 + 32));
  for (const char* own : {"BUS01", "BUS03", "BUS05", "BUS07"}) {
    EXPECT_FALSE(question.IsHidden(Index(session(), own))) << own;
  }
  EXPECT_TRUE(session().Guess(Index(session(), "AND0102")));
  session().SetLevel(QuizLevel::kOutputs);
  EXPECT_EQ(session().question()->hidden(), Outputs(session().scheme()));
}

// A press in the quiz goes to the model; the question is then about the inputs it set, the score
// kept.
TEST_P(SessionTest, PressInTheQuizAsksAboutItsInputs) {
  wiring().Select(6);
  session().SetMode(SessionMode::kQuiz);
  session().Check();
  const int checked = session().score().checked;
  const int32_t x0 = session().scheme().At("IN00").Tag;
  ASSERT_TRUE(session().Press("IN00"));
  EXPECT_EQ(session().scheme().At("IN00").Tag, x0 ^ 1);
  EXPECT_TRUE(session().QuestionOpen());
  EXPECT_EQ(session().score().checked, checked);
  const TruthTableView view = StudentView(session().scheme(), session().table(6));
  EXPECT_TRUE(session().reached().RowsReached(view).at(
      static_cast<size_t>(CurrentRow(view, session().scheme()))))
      << "the press's row is reached";
}

// Another scheme selected in the quiz gets a question of its own; leaving the quiz for the step
// mode shows the model.
TEST_P(SessionTest, OneModeAtATime) {
  wiring().Select(1);
  session().SetMode(SessionMode::kQuiz);
  wiring().Select(12);
  ASSERT_NE(session().question(), nullptr);
  EXPECT_EQ(session().question()->hidden(), Outputs(session().scheme()));
  session().SetMode(SessionMode::kStep);
  EXPECT_EQ(session().question(), nullptr);
  EXPECT_EQ(session().overlay(), nullptr);
  ASSERT_TRUE(session().Press("IN03"));
  EXPECT_NE(session().replay(), nullptr);
  session().SetMode(SessionMode::kQuiz);
  EXPECT_EQ(session().replay(), nullptr);
  EXPECT_NE(session().question(), nullptr);
}

// "Пошагово" ----------------------------------------------------------------------------------

struct StageCase {
  int scheme;
  const char* button;
  size_t stages;
};

// The model changes at once; the overlay shows every indicator not yet reached with its picture
// from before the press and frames the stage shown last; after the last stage the model shows.
TEST_P(SessionTest, PressTravelsStageByStage) {
  for (const StageCase& c :
       {StageCase{8, "IN03", 19}, StageCase{1, "IN05", 6}, StageCase{10, "IN08", 3}}) {
    wiring().Select(c.scheme);
    session().SetMode(SessionMode::kStep);
    std::vector<Picture> before;
    for (size_t i = 0; i < session().scheme().indicators().size(); ++i) {
      before.push_back(session().pictures().shown(i));
    }
    ASSERT_TRUE(session().Press(c.button));
    const std::vector<int32_t> after = Cells(session().scheme());
    ASSERT_NE(session().replay(), nullptr);
    EXPECT_EQ(session().replay()->stages().size(), c.stages);
    size_t advances = 0;
    while (session().replay() != nullptr) {
      const PanelOverlay& overlay = *session().overlay();
      const PressReplay& replay = *session().replay();
      EXPECT_EQ(overlay.marked, replay.Marked());
      EXPECT_EQ(overlay.faint, replay.Redrawn());
      for (uint16_t waiting : replay.Waiting()) {
        ASSERT_NE(overlay.pictures.at(waiting), nullptr);
        EXPECT_EQ(overlay.pictures[waiting]->pixels, before[waiting].pixels);
      }
      session().Advance();
      ++advances;
      EXPECT_EQ(Cells(session().scheme()), after) << "the stages change no level";
    }
    EXPECT_EQ(advances, c.stages + 1) << "scheme " << c.scheme;
    EXPECT_EQ(session().overlay(), nullptr);
    EXPECT_FALSE(session().Advance());
    session().SetMode(SessionMode::kPlain);
  }
}

// A new press, a change of scheme, another style or the mode's end first finishes a replay.
TEST_P(SessionTest, AReplayEndsBeforeWhatComesNext) {
  const std::function<void(Session&, Wiring&)> next[] = {
      [](Session& s, Wiring&) { s.Press("IN01"); },
      [](Session&, Wiring& w) { w.Select(3); },
      [](Session& s, Wiring&) { s.Restyle({}); },
      [](Session& s, Wiring&) { s.SetMode(SessionMode::kPlain); },
      [](Session& s, Wiring&) { s.BeforeOutsideChange(); },
  };
  for (size_t i = 0; i < std::size(next); ++i) {
    wiring().Select(8);
    session().SetMode(SessionMode::kStep);
    ASSERT_TRUE(session().Press("IN03"));
    session().Advance();
    const size_t first = session().replay()->stages().size();
    next[i](session(), wiring());
    if (i == 0) {
      ASSERT_NE(session().replay(), nullptr);
      EXPECT_EQ(session().replay()->shown(), 0u) << "the new press's replay from its start";
      EXPECT_NE(session().replay()->stages().size(), 0u);
      EXPECT_EQ(session().scheme().At("IN03").Tag, 1) << "the first press stays made";
      (void)first;
    } else {
      EXPECT_EQ(session().replay(), nullptr) << i;
      EXPECT_EQ(session().overlay(), nullptr) << i;
    }
    session().SetMode(SessionMode::kPlain);
  }
}

TEST_P(SessionTest, PlainPressShowsAtOnceAndIsRecorded) {
  wiring().Select(8);
  ASSERT_TRUE(session().Press("IN03"));
  EXPECT_EQ(session().replay(), nullptr);
  EXPECT_EQ(session().overlay(), nullptr);
  const std::vector<bool> reached =
      session().reached().RowsReached(StudentView(session().scheme(), session().table(8)));
  EXPECT_EQ(std::count(reached.begin(), reached.end(), true), 2);
  EXPECT_FALSE(session().Press("IN99"));
  EXPECT_FALSE(session().Press("BUS00")) << "a lamp is no button";
  // The label the drawing prints calls the button as the command line reads it: X3 is IN03.
  const int before = session().scheme().At("IN03").Tag;
  ASSERT_TRUE(session().Press("X3"));
  EXPECT_NE(session().scheme().At("IN03").Tag, before);
  EXPECT_FALSE(session().Press("x3"));
}

// The waits run from 2 s to 60 ms, 250 ms at first; the pause holds and ends with the mode.
TEST_P(SessionTest, SpeedAndPause) {
  EXPECT_EQ(session().interval(), 250);
  session().Slower();
  EXPECT_EQ(session().interval(), 500);
  for (int i = 0; i < 10; ++i) session().Slower();
  EXPECT_EQ(session().interval(), 2000);
  for (int i = 0; i < 10; ++i) session().Faster();
  EXPECT_EQ(session().interval(), 60);
  session().SetMode(SessionMode::kStep);
  session().SetPaused(true);
  EXPECT_TRUE(session().paused());
  session().SetMode(SessionMode::kQuiz);
  EXPECT_FALSE(session().paused());
  EXPECT_EQ(session().interval(), 60) << "the speed stays for the next time";
}

// What the observers hear --------------------------------------------------------------------

struct HeardCase {
  const char* what;
  std::function<void(Session&, Wiring&)> act;
  SessionChanges heard;  ///< at least these
  SessionChanges not_heard;
};

TEST_P(SessionTest, ObserversHearWhatChanged) {
  const HeardCase cases[] = {
      {"a selection", [](Session&, Wiring& w) { w.Select(2); }, kSchemeChanged | kLevelsChanged,
       kModeChanged},
      {"a plain press", [](Session& s, Wiring&) { s.Press("IN01"); }, kLevelsChanged,
       kOverlayChanged | kSchemeChanged},
      {"the step mode", [](Session& s, Wiring&) { s.SetMode(SessionMode::kStep); }, kModeChanged,
       kLevelsChanged},
      {"a press in steps", [](Session& s, Wiring&) { s.Press("IN02"); },
       kLevelsChanged | kStageChanged | kOverlayChanged, 0},
      {"a stage", [](Session& s, Wiring&) { s.Advance(); }, kStageChanged | kOverlayChanged,
       kLevelsChanged},
      {"a pause", [](Session& s, Wiring&) { s.SetPaused(true); }, kPaceChanged, kStageChanged},
      {"the quiz", [](Session& s, Wiring&) { s.SetMode(SessionMode::kQuiz); },
       kModeChanged | kPaceChanged | kStageChanged | kQuestionChanged | kLevelsChanged, 0},
      {"a guess", [](Session& s, Wiring&) { s.Guess(Outputs(s.scheme()).front()); },
       kQuestionChanged | kOverlayChanged, kLevelsChanged},
      {"a check", [](Session& s, Wiring&) { s.Check(); }, kQuestionChanged | kOverlayChanged,
       kLevelsChanged},
      {"the language", [](Session& s, Wiring&) { s.SetLanguage(Language::kEnglish); },
       kLanguageChanged, kOverlayChanged},
      {"a style", [](Session& s, Wiring&) { s.Restyle({}); }, kStyleChanged | kOverlayChanged, 0},
  };
  wiring().Select(1);
  for (const HeardCase& c : cases) {
    ChangeLog log(session());
    c.act(session(), wiring());
    EXPECT_EQ(log.heard & c.heard, c.heard) << c.what;
    EXPECT_EQ(log.heard & c.not_heard, 0u) << c.what;
  }
  ChangeLog log(session());
  session().SetLanguage(Language::kEnglish);
  session().SetPaused(false);  // the quiz ended the pause already
  EXPECT_EQ(log.heard, 0u) << "what changes nothing is not told";
}

INSTANTIATE_TEST_SUITE_P(BothFrontEnds, SessionTest, ::testing::ValuesIn(kWirings),
                         [](const auto& info) { return info.param.name; });

// However long the presses, the page's address can carry the state they reached: the fewest
// presses from the selection give the same inputs, and so the same state, on every scheme.
TEST_P(SessionTest, ShortestPressesReachTheSameState) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    wiring().Select(n);
    EXPECT_TRUE(session().ShortestPresses().empty()) << "scheme " << n << " as selected";
    const std::vector<uint16_t> buttons = session().scheme().buttons;
    for (size_t i = 0; i < 40; ++i) {
      session().Press(session().scheme().indicators()[buttons[(i * 7 + i / 3) % buttons.size()]]);
    }
    const std::vector<int32_t> reached = Cells(session().scheme());
    const std::vector<std::string> shortest = session().ShortestPresses();
    EXPECT_LE(shortest.size(), buttons.size()) << "scheme " << n;
    wiring().Select(n);
    for (const std::string& name : shortest) ASSERT_TRUE(session().Press(name)) << name;
    EXPECT_EQ(Cells(session().scheme()), reached) << "scheme " << n;
  }
}

// The window's own presses ---------------------------------------------------------------------

// A front end that says a press failed gets no replay and no new question, and nothing recorded.
TEST(SessionGroundTest, APressTheFrontEndReportsFailedChangesNothing) {
  testing::BuiltSchemes built;
  Session session({.set = built.set,
                   .host = built.host,
                   .pictures = [&](int n) -> PanelPictures& { return built.pictures.pictures(n); },
                   .press = [](int, Indicator&) { return false; }});
  session.Select(8);
  for (SessionMode mode : {SessionMode::kPlain, SessionMode::kStep, SessionMode::kQuiz}) {
    session.SetMode(mode);
    const QuizQuestion* question = session.question();
    const std::vector<int32_t> cells = Cells(session.scheme());
    EXPECT_FALSE(session.Press("IN03"));
    EXPECT_EQ(session.replay(), nullptr);
    EXPECT_EQ(session.question(), question);
    const std::vector<bool> reached =
        session.reached().RowsReached(StudentView(session.scheme(), session.table(8)));
    EXPECT_EQ(std::count(reached.begin(), reached.end(), true), 1);
  }
}

}  // namespace
}  // namespace kvir
