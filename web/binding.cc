// What the page calls: plain C functions over one StandaloneSession, exported from the WebAssembly
// module. Texts go out as UTF-8 JSON in a buffer that lives until the next call that returns text;
// pixels as RGBA in the session's buffer, which lives until the next composition.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "circuit/legend_words.h"
#include "circuit/scheme_texts.h"
#include "io/error_texts.h"
#include "learning/press_replay.h"
#include "learning/reached_rows.h"
#include "learning/truth_table_view.h"
#include "render/panel_navigation.h"
#include "render/panel_overlay.h"
#include "render/picture_style.h"
#include "session/standalone_session.h"
#include "web/json_writer.h"

namespace kvir {
namespace {

// The pictures' zoom levels the page carries: the plain one, and those for screens of two and of
// three device pixels per pixel.
constexpr int kWebZoomLevels[] = {100, 200, 300};

bool IsWebZoom(int percent) {
  return std::find(std::begin(kWebZoomLevels), std::end(kWebZoomLevels), percent) !=
         std::end(kWebZoomLevels);
}

StandaloneSession& Page() {
  static StandaloneSession page;
  return page;
}

Session& Student() {
  return Page().session();
}

std::string& TextBuffer() {
  static std::string text;
  return text;
}

std::exception_ptr& LastError() {
  static std::exception_ptr error;
  return error;
}

Language LanguageOf(int code) {
  return code == 1 ? Language::kEnglish : Language::kRussian;
}

// Runs `work`; a C++ exception becomes `failed`, kept for kvir_error to word.
template <typename Work>
auto Guarded(Work work, decltype(work()) failed) {
  try {
    return work();
  } catch (...) {
    LastError() = std::current_exception();
  }
  return failed;
}

// The last failure in the page's words.
std::string LastErrorText(Language language) {
  if (!LastError()) return {};
  try {
    std::rethrow_exception(LastError());
  } catch (const std::exception& error) {
    return ErrorMessage(error, language);
  } catch (...) {
    return language == Language::kEnglish ? "unknown error" : "неизвестная ошибка";
  }
}

// What the drawing prints beside the indicator; its name where the drawing prints nothing.
std::string_view LabelOf(const Indicator& indicator) {
  return indicator.label.empty() ? std::string_view(indicator.name) : indicator.label;
}

// Where the arrows move from button `at` of `buttons`, as indicator indices (-1: nowhere), in the
// order up, down, left, right.
std::string ArrowsJson(const PanelButtons& buttons, int at) {
  std::string out = "[";
  for (Arrow arrow : {Arrow::kUp, Arrow::kDown, Arrow::kLeft, Arrow::kRight}) {
    if (arrow != Arrow::kUp) out += ',';
    const int target = ArrowNeighbour(buttons.positions, at, arrow);
    out += std::to_string(target < 0 ? -1 : buttons.indicators[target]);
  }
  return out + ']';
}

// The card the question shows over each indicator (LampCard), -1 where none does.
std::vector<int> CardsShown(size_t count) {
  std::vector<int> cards(count, -1);
  if (const QuizQuestion* question = Student().question()) {
    for (const auto& [lamp, card] : question->Cards()) {
      if (lamp < count) cards[lamp] = static_cast<int>(card);
    }
  }
  return cards;
}

// `card`: the card over the indicator (CardsShown). A lamp the question asks about takes guesses.
std::string IndicatorJson(const Scheme& scheme, int index, const PictureRect& shown, int zoom,
                          Language language, const PanelButtons& buttons, int card) {
  const Indicator& ind = scheme.indicators()[index];
  const PictureRect place = IndicatorPlace(ind, zoom);
  const QuizQuestion* question = Student().question();
  const bool asked = question != nullptr && question->IsHidden(static_cast<uint16_t>(index));
  // A level the question keeps from the student is not told to the page either.
  const bool concealed = Conceals(Student().overlay(), static_cast<uint16_t>(index));
  std::string out = "{\"index\":" + std::to_string(index) + ",\"name\":" + JsonString(ind.name) +
                    ",\"label\":" + JsonString(LabelOf(ind)) +
                    ",\"role\":" + JsonString(RoleWord(ind.role, language)) +
                    ",\"button\":" + (ind.is_button ? "true" : "false") +
                    ",\"level\":" + (concealed ? "null" : std::to_string(ind.Tag)) +
                    ",\"card\":" + std::to_string(card) +
                    ",\"asked\":" + (asked ? "true" : "false") +
                    ",\"x\":" + std::to_string(place.left - shown.left) +
                    ",\"y\":" + std::to_string(place.top - shown.top) +
                    ",\"side\":" + std::to_string(place.width);
  const auto button = std::find(buttons.indicators.begin(), buttons.indicators.end(), index);
  if (button != buttons.indicators.end()) {
    out +=
        ",\"arrows\":" + ArrowsJson(buttons, static_cast<int>(button - buttons.indicators.begin()));
  }
  return out + '}';
}

// The quiz's question and score, as a member of the state; nothing outside the quiz mode.
std::string QuizJson() {
  const QuizQuestion* question = Student().question();
  if (question == nullptr) return "";
  const QuizScore& score = Student().score();
  return std::string(",\"quiz\":{\"checked\":") + (question->checked() ? "true" : "false") +
         ",\"right\":" + std::to_string(score.right) +
         ",\"scored\":" + std::to_string(score.checked) + '}';
}

std::string StateJson(Language language) {
  const Scheme& scheme = Student().scheme();
  const PictureRect shown = Page().shown_rect();
  const int zoom = Page().pictures().style().zoom;
  std::string out =
      "{\"scheme\":" + std::to_string(Student().shown()) + ",\"zoom\":" + std::to_string(zoom) +
      ",\"width\":" + std::to_string(shown.width) + ",\"height\":" + std::to_string(shown.height) +
      QuizJson() + ",\"indicators\":[";
  const PanelButtons buttons = ButtonsOf(scheme);
  const std::vector<int> cards = CardsShown(scheme.indicators().size());
  for (size_t i = 0; i < scheme.indicators().size(); ++i) {
    if (i != 0) out += ',';
    out += IndicatorJson(scheme, static_cast<int>(i), shown, zoom, language, buttons, cards[i]);
  }
  out += "],\"order\":[";
  const std::vector<int> order = ReadingOrder(buttons.positions);
  for (size_t i = 0; i < order.size(); ++i) {
    if (i != 0) out += ',';
    out += std::to_string(buttons.indicators[order[i]]);
  }
  return out + "]}";
}

template <typename T, typename Each>
std::string JsonArray(const std::vector<T>& items, Each each) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i != 0) out += ',';
    out += each(items[i]);
  }
  return out + ']';
}

// The shown scheme's truth table for the page: its column labels, its rows, which of them the
// student has reached and which is the current one, and the same as CSV.
std::string TableJson(Language language) {
  Session& session = Student();
  const TruthTableView view =
      StudentView(session.scheme(), session.table(session.shown()), language);
  const TableOutputs outputs = session.tableOutputs();
  const size_t first_output = FirstOutputColumn(view);
  const std::vector<bool> reached = session.reached().RowsReached(view);
  std::string out = "{\"columns\":" + JsonArray(view.columns, [](const ViewColumn& c) {
                      return "{\"label\":" + JsonString(c.label) +
                             ",\"output\":" + (c.role == Role::kOutput ? "true" : "false") + '}';
                    });
  // A concealed output goes out as null: the page shows it as the window does.
  out += ",\"rows\":" + JsonArray(view.rows, [&](const ViewRow& row) {
           std::string cells = "[";
           for (size_t c = 0; c < row.values.size(); ++c) {
             if (c) cells += ',';
             const bool hidden = outputs == TableOutputs::kConcealed && c >= first_output;
             cells += hidden ? "null" : std::to_string(row.values[c]);
           }
           return cells + ']';
         });
  out += ",\"reached\":" + JsonArray(reached, [](bool r) { return r ? "1" : "0"; });
  out += ",\"current\":" + std::to_string(CurrentRow(view, session.scheme()));
  out += ",\"csv\":" + JsonString(SavedCsv(view, SavedCsvStyle(language), outputs));
  return out + '}';
}

// The step mode's line: the stage shown of how many (no replay: 0 of 0), the wait between stages
// and whether they are held.
std::string StepJson() {
  const Session& session = Student();
  const PressReplay* replay = session.replay();
  return std::string("{\"replaying\":") + (replay != nullptr ? "true" : "false") +
         ",\"shown\":" + std::to_string(replay != nullptr ? replay->shown() : 0) +
         ",\"stages\":" + std::to_string(replay != nullptr ? replay->stages().size() : 0) +
         ",\"interval\":" + std::to_string(session.interval()) +
         ",\"paused\":" + (session.paused() ? "true" : "false") + '}';
}

// Turns `mode` on, or off where it is the one on (the page turns one off before the other on).
void SwitchMode(SessionMode mode, bool on) {
  if (on) {
    Student().SetMode(mode);
  } else if (Student().mode() == mode) {
    Student().SetMode(SessionMode::kPlain);
  }
}

const char* Text(std::string text) {
  TextBuffer() = std::move(text);
  return TextBuffer().c_str();
}

}  // namespace
}  // namespace kvir

using kvir::Guarded;
using kvir::Page;
using kvir::Student;

extern "C" {

/// Selects scheme n afresh, in the clear view (clear != 0) or not, at `zoom` percent (100, 200,
/// 300). 0 on success, -1 for a scheme number or zoom there is not (nothing changes), -2 on a
/// failure.
EMSCRIPTEN_KEEPALIVE int kvir_select(int n, int clear, int zoom) {
  return Guarded(
      [&] {
        if (!kvir::IsWebZoom(zoom)) return -1;
        return Page().Select(n, {.clear = clear != 0, .zoom = zoom}) ? 0 : -1;
      },
      -2);
}

/// Presses the shown scheme's input button of that name: 0, or -1 when there is none.
EMSCRIPTEN_KEEPALIVE int kvir_press(const char* name) {
  return Guarded([&] { return Student().Press(name) ? 0 : -1; }, -2);
}

/// Turns the step mode on (1) or off (0, leaving the plain mode only if the step mode was on).
EMSCRIPTEN_KEEPALIVE void kvir_step_mode(int on) {
  kvir::SwitchMode(kvir::SessionMode::kStep, on != 0);
}

/// Shows the replay's next stage: 1, or 0 when the replay has ended (the panel is the model's).
EMSCRIPTEN_KEEPALIVE int kvir_advance() {
  return Guarded([] { return Student().Advance() ? 1 : 0; }, 0);
}

/// The step mode's line (StepJson).
EMSCRIPTEN_KEEPALIVE const char* kvir_step() {
  return kvir::Text(kvir::StepJson());
}

/// The step mode's pace: -1 slower, 1 faster, 0 nothing; then `paused` (0 or 1) holds the stages
/// or lets them run.
EMSCRIPTEN_KEEPALIVE void kvir_pace(int change, int paused) {
  if (change < 0) Student().Slower();
  if (change > 0) Student().Faster();
  Student().SetPaused(paused != 0);
}

/// Turns "Проверь себя" on (1), with a new question, or off (0, as kvir_step_mode).
EMSCRIPTEN_KEEPALIVE int kvir_quiz_mode(int on) {
  return Guarded(
      [&] {
        kvir::SwitchMode(kvir::SessionMode::kQuiz, on != 0);
        return 0;
      },
      -2);
}

/// The questions from now on draw their rows from `seed`: the same seed, the same questions as
/// in the window.
EMSCRIPTEN_KEEPALIVE void kvir_seed(unsigned seed) {
  Student().Seed(seed);
}

/// The next question.
EMSCRIPTEN_KEEPALIVE int kvir_ask() {
  return Guarded(
      [] {
        Student().Ask();
        return 0;
      },
      -2);
}

/// Changes the guess on hidden lamp `index`: 0, or -1 when it is no hidden lamp or is checked.
EMSCRIPTEN_KEEPALIVE int kvir_guess(int index) {
  return Guarded([&] { return Student().Guess(index) ? 0 : -1; }, -2);
}

/// Checks the guesses of the question.
EMSCRIPTEN_KEEPALIVE int kvir_check() {
  return Guarded(
      [] {
        Student().Check();
        return 0;
      },
      -2);
}

/// Gives the shown scheme the clear view or not, at `zoom`, keeping every level.
EMSCRIPTEN_KEEPALIVE int kvir_restyle(int clear, int zoom) {
  return Guarded(
      [&] {
        if (!kvir::IsWebZoom(zoom)) return -1;
        return Page().Restyle({.clear = clear != 0, .zoom = zoom}) ? 0 : -1;
      },
      -2);
}

/// Composes the shown panel; its RGBA pixels, kvir_panel_width() × kvir_panel_height().
EMSCRIPTEN_KEEPALIVE const uint8_t* kvir_panel_rgba() {
  return Guarded([] { return Page().ComposeRgba().data(); }, static_cast<const uint8_t*>(nullptr));
}

/// The parts kvir_panel_rgba composed last, as a JSON array of [left, top, width, height].
EMSCRIPTEN_KEEPALIVE const char* kvir_panel_recomposed() {
  return kvir::Text(kvir::JsonArray(Page().recomposed(), [](const kvir::PictureRect& r) {
    return '[' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
           std::to_string(r.width) + ',' + std::to_string(r.height) + ']';
  }));
}

EMSCRIPTEN_KEEPALIVE int kvir_panel_width() {
  return Page().shown_rect().width;
}

EMSCRIPTEN_KEEPALIVE int kvir_panel_height() {
  return Page().shown_rect().height;
}

/// The shown scheme, its zoom and size, every indicator (name, label, role word in `language`:
/// 0 Russian, 1 English; level, place in the shown part, arrow targets) and the buttons' Tab order.
EMSCRIPTEN_KEEPALIVE const char* kvir_state(int language) {
  return Guarded(
      [&] {
        Student().SetLanguage(kvir::LanguageOf(language));
        return kvir::Text(kvir::StateJson(Student().language()));
      },
      static_cast<const char*>(nullptr));
}

/// The sixteen titles as the list shows them, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* kvir_titles(int language) {
  std::string out = "[";
  for (int n = 1; n <= kvir::kSchemeCount; ++n) {
    if (n != 1) out += ',';
    out += kvir::JsonString(kvir::SchemeTitle(n, kvir::LanguageOf(language)));
  }
  return kvir::Text(out + "]");
}

/// What scheme n does: the "О схеме" text, a paragraph a line.
EMSCRIPTEN_KEEPALIVE const char* kvir_about(int n, int language) {
  if (n < 1 || n > kvir::kSchemeCount) return kvir::Text("");
  return kvir::Text(std::string(kvir::AboutScheme(n, kvir::LanguageOf(language))));
}

/// The shown scheme's truth table (TableJson) with its headers and CSV in `language`.
EMSCRIPTEN_KEEPALIVE const char* kvir_table(int language) {
  return Guarded([&] { return kvir::Text(kvir::TableJson(kvir::LanguageOf(language))); },
                 static_cast<const char*>(nullptr));
}

/// The fewest presses (a JSON array of button names) that bring the shown scheme from its
/// selection to its inputs now: what the address carries once the presses grow long.
EMSCRIPTEN_KEEPALIVE const char* kvir_shortest_presses() {
  return Guarded(
      [] {
        return kvir::Text(kvir::JsonArray(Student().ShortestPresses(), [](const std::string& name) {
          return kvir::JsonString(name);
        }));
      },
      static_cast<const char*>(nullptr));
}

/// The last failure in `language` (0 Russian, 1 English); empty when nothing failed.
EMSCRIPTEN_KEEPALIVE const char* kvir_error(int language) {
  return kvir::Text(kvir::LastErrorText(kvir::LanguageOf(language)));
}

}  // extern "C"
