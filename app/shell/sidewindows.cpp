#include "app/shell/sidewindows.h"

#include "app/modes/quizmode.h"
#include "app/windows/aboutwindow.h"
#include "app/windows/guidewindow.h"
#include "app/windows/helpwindow.h"
#include "app/windows/shownscheme.h"
#include "app/windows/sideplacement.h"
#include "app/windows/truthtablewindow.h"

namespace kvir {

SideWindows::SideWindows(SidePlacement& placement, ShownScheme& shown, const QuizMode& quiz)
    : QObject(&placement), placement_(placement), shown_(shown), quiz_(quiz) {}

TfrmHelp* SideWindows::help() {
  if (help_ == nullptr) help_ = new TfrmHelp(placement_);
  return help_;
}

AboutWindow* SideWindows::about() {
  if (about_ == nullptr) {
    about_ = new AboutWindow(placement_);
    about_->setScheme(shown_.number());
    connect(&shown_, &ShownScheme::numberChanged, about_, &AboutWindow::setScheme);
  }
  return about_;
}

// The table must not give away the answer of an open question.
void SideWindows::showTruthTable() {
  if (truthTable_ == nullptr) {
    truthTable_ = new TruthTableWindow(placement_, shown_);
    truthTable_->setQuestionOpen(quiz_.questionOpen());
    connect(&quiz_, &QuizMode::changed, truthTable_,
            [this] { truthTable_->setQuestionOpen(quiz_.questionOpen()); });
  }
  truthTable_->open();
}

void SideWindows::showGuide() {
  GuideWindow::showFor(placement_);
}

}  // namespace kvir
