#include "web/web_session.h"

#include <algorithm>

#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_image.h"

namespace kvir {
namespace {

PictureRect Intersect(const PictureRect& a, const PictureRect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.left + a.width, b.left + b.width);
  const int bottom = std::min(a.top + a.height, b.top + b.height);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right - left),
          static_cast<int16_t>(bottom - top)};
}

bool Empty(const PictureRect& r) {
  return r.width <= 0 || r.height <= 0;
}

bool Same(const PictureRect& a, const PictureRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

bool IsWebZoom(int percent) {
  return std::find(std::begin(kWebZoomLevels), std::end(kWebZoomLevels), percent) !=
         std::end(kWebZoomLevels);
}

WebSession::WebSession() {
  for (int n = 1; n <= kSchemeCount; ++n) kSchemeTable[n - 1].build(set_.scheme(n));
}

WebSession::~WebSession() {
  // They hear the scheme's presses: they end, in reverse order, before the netlists are freed.
  recorder_.reset();
  pictures_.reset();
  FreeSchemes(set_);
}

void WebSession::DrawRecorder::OnDraw(const Indicator& indicator) {
  drawn_.push_back(IndexIn(scheme(), indicator));
  AttachedObserver::OnDraw(indicator);
}

void WebSession::StartPictures(Scheme& scheme, PictureStyle style) {
  EndReplay();
  recorder_.reset();
  pictures_.reset();
  pictures_ = std::make_unique<PanelPictures>(scheme, style);
  recorder_ = std::make_unique<DrawRecorder>(scheme, drawn_);
  composed_ = false;
  drawn_.clear();
}

bool WebSession::Select(int n, PictureStyle style) {
  if (n < 1 || n > kSchemeCount || !IsWebZoom(style.zoom)) return false;
  StartPictures(set_.scheme(n), style);
  n_ = n;
  SelectScheme(set_, host_, static_cast<uint8_t>(n));
  pictures_->LoadSchemePicture();
  reached_.Restart(set_.scheme(n));
  if (quiz_mode_) AskAboutPresentState();
  return true;
}

bool WebSession::Press(std::string_view name) {
  if (n_ == 0) return false;
  Scheme& s = set_.scheme(n_);
  Indicator* button = s.Find(name);
  if (button == nullptr || !button->is_button) return false;
  if (!step_mode_) {
    kSchemeTable[n_ - 1].press(s, *button);
    if (quiz_mode_) AskAboutPresentState();
  } else {
    EndReplay();
    before_.clear();
    for (size_t i = 0; i < s.indicators().size(); ++i) before_.push_back(pictures_->shown(i));
    replay_ = std::make_unique<PressReplay>(s, [&] { kSchemeTable[n_ - 1].press(s, *button); });
    ShowStage();
  }
  reached_.Record(s);
  return true;
}

void WebSession::SetStepMode(bool on) {
  step_mode_ = on;
  if (!on) EndReplay();
}

void WebSession::SetQuizMode(bool on) {
  quiz_mode_ = on;
  score_ = {};
  question_.reset();
  overlay_ = {};
  composed_ = false;
  if (on && n_ != 0) AskAboutPresentState();
}

void WebSession::Ask() {
  if (!quiz_mode_ || n_ == 0) return;
  Scheme& s = set_.scheme(n_);
  const TruthTable truth = ComputeTruthTable(n_);
  PoseRow(s, kSchemeTable[n_ - 1].press, truth, DrawRow(truth, RowOf(truth, s), random_));
  AskAboutPresentState();
}

bool WebSession::Guess(int index) {
  if (!question_ || index < 0 || !question_->CycleGuess(static_cast<uint16_t>(index))) return false;
  ShowQuestion();
  return true;
}

void WebSession::Check() {
  if (!question_ || question_->checked()) return;
  score_ += question_->Check(scheme());
  ShowQuestion();
}

void WebSession::AskAboutPresentState() {
  const int zoom = pictures_->style().zoom;
  const int side = IndicatorSide(zoom);
  for (size_t c = 0; c < kLampCardCount; ++c) {
    LoadResourcePicture(CardPictureName(static_cast<LampCard>(c)), {side, side, 3}, cards_[c],
                        {.zoom = zoom});
  }
  if (lamps_scheme_ != n_) {
    lamps_.emplace(n_, ComputeTruthTable(n_));
    lamps_scheme_ = n_;
  }
  question_.emplace(scheme(), *lamps_, QuizLevel::kOutputs);
  ShowQuestion();
}

void WebSession::ShowQuestion() {
  overlay_.pictures.assign(scheme().indicators().size(), nullptr);
  for (const auto& [lamp, card] : question_->Cards()) {
    overlay_.pictures[lamp] = &cards_[static_cast<size_t>(card)];
  }
  overlay_.concealed = question_->Concealed();
  overlay_.marked.clear();
  overlay_.faint.clear();
  composed_ = false;
}

bool WebSession::Advance() {
  if (!replay_) return false;
  replay_->Advance();
  if (replay_->finished()) {
    EndReplay();
    return false;
  }
  ShowStage();
  return true;
}

void WebSession::EndReplay() {
  if (!replay_) return;
  replay_.reset();
  before_.clear();
  overlay_ = {};
  composed_ = false;
}

void WebSession::ShowStage() {
  overlay_.pictures.assign(scheme().indicators().size(), nullptr);
  for (uint16_t index : replay_->Waiting()) overlay_.pictures[index] = &before_[index];
  overlay_.marked = replay_->Marked();
  overlay_.faint = replay_->Redrawn();
  composed_ = false;
}

const TruthTableView& WebSession::table() {
  if (table_scheme_ != n_) {
    table_ = StudentView(scheme(), ComputeTruthTable(n_));
    table_scheme_ = n_;
  }
  return table_;
}

bool WebSession::Restyle(PictureStyle style) {
  if (n_ == 0 || !IsWebZoom(style.zoom)) return false;
  EndReplay();  // the pictures kept from before the press are in the old style
  pictures_->Restyle(style);
  if (question_) {
    const QuizQuestion kept = *question_;
    AskAboutPresentState();  // the cards in the new zoom
    question_ = kept;
    ShowQuestion();
  }
  composed_ = false;
  return true;
}

PictureRect WebSession::shown_rect() const {
  return pictures_ ? CropRect(*pictures_) : PictureRect{};
}

std::vector<PictureRect> WebSession::DirtyRegion() const {
  const PictureRect whole = shown_rect();
  if (!composed_) return {whole};
  const Scheme& s = scheme();
  const int zoom = pictures_->style().zoom;
  std::vector<PictureRect> region;
  for (uint16_t index : drawn_) {
    const PictureRect place = Intersect(IndicatorPlace(s.indicators()[index], zoom), whole);
    const auto same = [&place](const PictureRect& r) { return Same(r, place); };
    if (Empty(place) || std::any_of(region.begin(), region.end(), same)) continue;
    for (const PictureRect& other : region) {
      if (!Empty(Intersect(place, other))) return {whole};
    }
    region.push_back(place);
  }
  return region;
}

const std::vector<uint8_t>& WebSession::ComposeRgba() {
  const PictureRect whole = shown_rect();
  if (!composed_) {
    rgb_.width = whole.width;
    rgb_.height = whole.height;
    rgb_.channels = 3;
    rgb_.pixels.assign(static_cast<size_t>(whole.width) * whole.height * 3, 0xFF);
    rgba_.assign(static_cast<size_t>(whole.width) * whole.height * 4, 0xFF);
  }
  const std::vector<PictureRect> region = DirtyRegion();
  PictureCanvas canvas(rgb_, whole.left, whole.top);
  ComposePanel(*pictures_, overlay(), region, canvas);
  recomposed_.clear();
  for (const PictureRect& part : region) {
    CopyToRgba(part);
    recomposed_.push_back({static_cast<int16_t>(part.left - whole.left),
                           static_cast<int16_t>(part.top - whole.top), part.width, part.height});
  }
  composed_ = true;
  drawn_.clear();
  return rgba_;
}

void WebSession::CopyToRgba(const PictureRect& part) {
  const PictureRect whole = shown_rect();
  for (int y = part.top; y < part.top + part.height; ++y) {
    const size_t row = static_cast<size_t>(y - whole.top) * whole.width;
    for (int x = part.left; x < part.left + part.width; ++x) {
      const uint8_t* in = rgb_.pixel(x - whole.left, y - whole.top);
      uint8_t* out = rgba_.data() + (row + (x - whole.left)) * 4;
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
}

}  // namespace kvir
