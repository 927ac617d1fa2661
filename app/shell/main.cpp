// kvir: the program's entry. Reads the command line, builds the main window, shows it and runs
// until it closes.

#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "app/prefs/language.h"
#include "app/prefs/options.h"
#include "app/prefs/settings.h"
#include "app/shell/appidentity.h"
#include "app/shell/mainwindow.h"
#include "io/error_texts.h"
#include "io/output_file.h"
#include "io/write_signals.h"
#include "timing/drivers.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void PrintError(const QString& text) {
  std::fputs(text.toUtf8().constData(), stderr);
}

// Prints what the command line asks for (--help, --version, a refusal) and gives the exit code:
// the command line's, or 1 when standard output could not be written.
int PrintCommandLine(const kvir::CommandLine& line) {
  PrintError(line.err);
  if (line.out.isEmpty()) return line.exitCode;
  const QByteArray out = line.out.toUtf8();
  const kvir::FileStatus status =
      kvir::WriteOutputFile(std::string(kvir::kStandardOutputName),
                            std::span(reinterpret_cast<const uint8_t*>(out.constData()),
                                      static_cast<size_t>(out.size())));
  if (status.ok()) return line.exitCode;
  PrintError(QStringLiteral("kvir: ") +
             QString::fromStdString(kvir::FileStatusMessage(status, line.options.language)) +
             QLatin1Char('\n'));
  return 1;
}

// Qt's messages while QApplication starts are held back. A fatal one means no platform could
// start (no display, an unknown -platform): it and the lines before it give way to one line of
// the program's, and the program ends with 1 instead of aborting. Once Qt has started, the held
// messages go out as they would have.
class HeldStartMessages {
 public:
  explicit HeldStartMessages(kvir::Language language) {
    language_ = language;
    held_ = &messages_;
    qInstallMessageHandler(Hold);
  }
  ~HeldStartMessages() {
    qInstallMessageHandler(nullptr);
    {
      const std::lock_guard lock(mutex_);
      held_ = nullptr;
    }
    for (const Message& message : messages_) {
      qt_message_output(
          message.type,
          QMessageLogContext(message.file.constData(), message.line, message.function.constData(),
                             message.category.constData()),
          message.text);
    }
  }
  HeldStartMessages(const HeldStartMessages&) = delete;
  HeldStartMessages& operator=(const HeldStartMessages&) = delete;

 private:
  struct Message {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
  };

  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
      const QByteArray line = kvir::NoWindowMessage(language_).toUtf8();
      [[maybe_unused]] const ssize_t written =
          ::write(STDERR_FILENO, line.constData(), static_cast<size_t>(line.size()));
      std::_Exit(1);
    }
    const std::lock_guard lock(mutex_);  // the icons are decoded on another thread meanwhile
    if (held_ != nullptr) {
      held_->push_back(
          {type, context.file, context.function, context.category, context.line, text});
    }
  }

  static inline kvir::Language language_ = kvir::Language::kRussian;
  static inline std::mutex mutex_;
  static inline std::vector<Message>* held_ = nullptr;
  std::vector<Message> messages_;
};

}  // namespace

int main(int argc, char* argv[]) {
  kvir::IgnoreWriteSignals();
  // Before QApplication, which would need a display. The settings are looked at before QSettings
  // opens them.
  const std::optional<kvir::SettingsFault> settingsFault = kvir::UnreadableSettings();
  const kvir::CommandLine line =
      kvir::ParseCommandLine(Arguments(argc, argv), kvir::RememberedLanguage());
  if (settingsFault) {
    PrintError(kvir::SettingsNotReadMessage(*settingsFault, line.options.language));
  }
  if (!line.run) return PrintCommandLine(line);
  const bool clearView = line.options.clearView || kvir::RememberedClearView();
  kvir::SchemeSet schemes;
  kvir::PanelPictureSet pictures(schemes, {.clear = clearView, .zoom = line.options.zoom});
  // The scheme pictures are decoded while Qt starts and the windows are built, the icons while Qt
  // starts.
  pictures.DecodeAhead();
  QList<QImage> icons;
  std::jthread iconDecoder([&icons] { icons = kvir::AppIconPictures(); });
  std::optional<HeldStartMessages> held(std::in_place, line.options.language);
  QApplication app(argc, argv);
  held.reset();
  iconDecoder.join();
  kvir::SetAppIdentity(app, icons);
  kvir::SetLanguage(line.options.language);
  kvir::Tfrm00 frm00(schemes, pictures);
  frm00.setTimingHook([&schemes] {
    kvir::SystemTimingClock clock;
    const std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return kvir::RunTimingBeside(schemes, dir, clock, kvir::CurrentLanguage()).error;
  });
  frm00.setQuitAfterFirstPaint(line.options.firstPaintExit);
  frm00.setClearView(clearView);
  frm00.setZoom(line.options.zoom);
  if (line.options.zoomFit) frm00.zoomToFit();
  frm00.startLearningMode(line.options.mode);
  frm00.show();
  const int code = app.exec();
  kvir::FreeSchemes(schemes);
  return code;
}
