#pragma once
// The window's actions beyond its first form: shortcuts, and the context menu of the panels.

#include <QKeySequence>
#include <QObject>
#include <QtGlobal>
#include <array>
#include <functional>
#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace kvir {

class PanelMenu;

enum class PanelAction {
  kHelp,          ///< the help window, as the help button opens it
  kGuide,         ///< the guide: every key, mode and file feature
  kTruthTable,    ///< the truth-table window of the shown scheme
  kAboutScheme,   ///< the "О схеме" window of the shown scheme
  kCopyPicture,   ///< the shown panel to the clipboard, as an image
  kCopyReport,    ///< the shown scheme picture under its title to the clipboard, for a report
  kSavePicture,   ///< the shown panel to a PNG file
  kSaveReport,    ///< the shown scheme picture under its title to a PNG file, for a report
  kPrintPicture,  ///< the shown panel on paper or in a PDF file, under the scheme's title
  kLanguage,      ///< Russian to English and back, at once and for the next starts
  kClearView,     ///< the clear view's switch
  kStepByStep,    ///< switch: presses replayed stage by stage
  kNextStage,     ///< the replay's next stage at once
  kSlower,        ///< longer waits between stages
  kFaster,        ///< shorter waits between stages
  kPauseSteps,    ///< switch: the stages wait for F6 alone
  kQuiz,          ///< switch: "Проверь себя"
  kCheckAnswers,  ///< the open question checked
  kNextQuestion,  ///< another question
  kHarder,        ///< switch: questions hide the inner lamps too
  kZoomIn,        ///< the whole window one zoom level larger
  kZoomOut,       ///< the whole window one zoom level smaller
  kZoomReset,     ///< the whole window back at 100 %
  kZoomFit,       ///< the largest zoom at which the shown drawing fits the screen
  kTeacher,       ///< the teacher's dialog: question banks and worksheets with their keys
};

/// One action: its text in the menu (in Russian, translated in the context "kvir::PanelActions")
/// and its shortcut, Qt's standard key where one exists, else `keys` in portable text ("Ctrl+T").
/// A checkable action is a switch that the menu shows ticked while it is on.
struct PanelActionRow {
  PanelAction action;
  std::string_view text;
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
  std::string_view keys = {};
  bool checkable = false;
};

/// Every action, in the order of the context menu.
inline constexpr std::array kPanelActions = {
    PanelActionRow{PanelAction::kHelp, QT_TRANSLATE_NOOP("kvir::PanelActions", "Помощь"),
                   QKeySequence::HelpContents},
    PanelActionRow{PanelAction::kGuide, QT_TRANSLATE_NOOP("kvir::PanelActions", "Руководство"),
                   QKeySequence::UnknownKey, "Ctrl+F1"},
    PanelActionRow{PanelAction::kTruthTable,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Таблица истинности"),
                   QKeySequence::UnknownKey, "Ctrl+T"},
    PanelActionRow{PanelAction::kAboutScheme, QT_TRANSLATE_NOOP("kvir::PanelActions", "О схеме"),
                   QKeySequence::UnknownKey, "Shift+F1"},
    PanelActionRow{PanelAction::kCopyPicture,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Копировать рисунок"),
                   QKeySequence::Copy},
    PanelActionRow{PanelAction::kCopyReport,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Копировать рисунок для отчёта"),
                   QKeySequence::UnknownKey, "Ctrl+Shift+C"},
    PanelActionRow{PanelAction::kSavePicture,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Сохранить рисунок…"),
                   QKeySequence::Save},
    PanelActionRow{PanelAction::kSaveReport,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Сохранить рисунок для отчёта…"),
                   QKeySequence::UnknownKey, "Ctrl+Shift+S"},
    PanelActionRow{PanelAction::kPrintPicture,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Печать рисунка…"), QKeySequence::Print},
    // The same words in both languages, so that whoever cannot read one finds the other.
    PanelActionRow{PanelAction::kLanguage,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Язык / Language"),
                   QKeySequence::UnknownKey, "Ctrl+Shift+L"},
    PanelActionRow{PanelAction::kClearView, QT_TRANSLATE_NOOP("kvir::PanelActions", "Чёткий вид"),
                   QKeySequence::UnknownKey, "Ctrl+Shift+V", true},
    PanelActionRow{PanelAction::kStepByStep, QT_TRANSLATE_NOOP("kvir::PanelActions", "Пошагово"),
                   QKeySequence::UnknownKey, "F5", true},
    PanelActionRow{PanelAction::kNextStage,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Следующий шаг"),
                   QKeySequence::UnknownKey, "F6"},
    PanelActionRow{PanelAction::kSlower, QT_TRANSLATE_NOOP("kvir::PanelActions", "Медленнее"),
                   QKeySequence::UnknownKey, "F7"},
    PanelActionRow{PanelAction::kFaster, QT_TRANSLATE_NOOP("kvir::PanelActions", "Быстрее"),
                   QKeySequence::UnknownKey, "F8"},
    PanelActionRow{PanelAction::kPauseSteps, QT_TRANSLATE_NOOP("kvir::PanelActions", "Пауза"),
                   QKeySequence::UnknownKey, "Pause", true},
    PanelActionRow{PanelAction::kQuiz, QT_TRANSLATE_NOOP("kvir::PanelActions", "Проверь себя"),
                   QKeySequence::UnknownKey, "F9", true},
    PanelActionRow{PanelAction::kCheckAnswers,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Проверить ответы"),
                   QKeySequence::UnknownKey, "Return"},
    PanelActionRow{PanelAction::kNextQuestion,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Следующий вопрос"), QKeySequence::New},
    PanelActionRow{PanelAction::kHarder,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Скрывать и внутренние индикаторы"),
                   QKeySequence::UnknownKey, "Shift+F9", true},
    PanelActionRow{PanelAction::kZoomIn, QT_TRANSLATE_NOOP("kvir::PanelActions", "Крупнее"),
                   QKeySequence::ZoomIn},
    PanelActionRow{PanelAction::kZoomOut, QT_TRANSLATE_NOOP("kvir::PanelActions", "Мельче"),
                   QKeySequence::ZoomOut},
    PanelActionRow{PanelAction::kZoomReset,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Обычный размер"),
                   QKeySequence::UnknownKey, "Ctrl+0"},
    PanelActionRow{PanelAction::kZoomFit,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "По размеру окна"),
                   QKeySequence::UnknownKey, "Ctrl+9"},
    PanelActionRow{PanelAction::kTeacher,
                   QT_TRANSLATE_NOOP("kvir::PanelActions", "Для преподавателя…"),
                   QKeySequence::UnknownKey, "Ctrl+Shift+E"},
};

/// The shortcut of a row.
QKeySequence ShortcutOf(const PanelActionRow& row);

/// The text of a row in the program's current language, as the menu shows it.
QString TextOf(const PanelActionRow& row);

/// The row of `action`.
const PanelActionRow& RowOf(PanelAction action);

/// One QAction per row of kPanelActions, with its shortcut, active anywhere in `window`; the
/// context menu of a panel's free area lists them all with their shortcuts. The window owns the
/// actions and the menu.
class PanelActions : public QObject {
  Q_OBJECT

 public:
  explicit PanelActions(QWidget* window);

  /// Makes `action` run `run`.
  void bind(PanelAction action, std::function<void()> run);
  /// Makes the switch `action` call `toggled` with its new state.
  void bindSwitch(PanelAction action, std::function<void(bool)> toggled);
  QAction* action(PanelAction action) const;
  QMenu* menu() const;

  /// Puts the actions' texts in the program's current language.
  void retranslate();

  /// Lets a right click (or the menu key) on the free area of `panel` open the menu; the
  /// panel's input buttons keep their right clicks to themselves.
  void attach(QWidget* panel);

 private:
  std::array<QAction*, kPanelActions.size()> actions_{};
  PanelMenu* menu_;
};

}  // namespace kvir
