#include "app/prefs/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <utility>

#include "app/prefs/settings.h"
#include "circuit/scheme_texts.h"

namespace kvir {
namespace {

// Where app/CMakeLists.txt embeds the compiled translation.
const QString kEnglishTranslation = QStringLiteral(":/kvir/i18n/kvir_en.qm");

const QString kLanguageKey = QStringLiteral("language");

Language current = Language::kRussian;
bool applied = false;  // whether the translators of `current` are installed

// Loaded once, on first use; lives until the program ends.
QTranslator& EnglishTranslator() {
  static QTranslator translator;
  if (translator.isEmpty() && !translator.load(kEnglishTranslation)) {
    qWarning("kvir: the embedded English translation %s is missing",
             qUtf8Printable(kEnglishTranslation));
  }
  return translator;
}

// Qt's own texts in Russian (its dialogs, standard buttons, key names), from the translations
// installed with Qt (Debian: qt6-translations-l10n). Without them they stay English.
QTranslator& QtRussianTranslator() {
  static QTranslator translator;
  static const bool loaded = translator.load(QStringLiteral("qtbase_ru"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Q_UNUSED(loaded);
  return translator;
}

// What Qt's Russian translation leaves in English: key names it keeps although Russian keyboards
// print another ("Return"), and texts Qt 6 moved to a context of their own that the translation
// does not know yet (the file dialog's "Folder"). Installed after QtRussianTranslator, so asked
// first.
class RussianGaps : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    for (const Gap& gap : kGaps) {
      if (qstrcmp(context, gap.context) == 0 && qstrcmp(source, gap.source) == 0) {
        return QString::fromUtf8(gap.russian);
      }
    }
    return {};
  }
  bool isEmpty() const override { return false; }

 private:
  struct Gap {
    const char* context;
    const char* source;
    const char* russian;
  };
  static constexpr Gap kGaps[] = {
      {"QShortcut", "Return", "Enter"},
      {"QAbstractFileIconProvider", "Folder", "Папка"},
      {"QAbstractFileIconProvider", "Drive", "Диск"},
  };
};

RussianGaps& GapsTranslator() {
  static RussianGaps translator;
  return translator;
}

void Install(QTranslator& translator, bool on) {
  if (on) {
    QCoreApplication::installTranslator(&translator);
  } else {
    QCoreApplication::removeTranslator(&translator);
  }
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& code) {
  return ParseLanguage(code.toStdString());
}

QString LanguageCode(Language language) {
  return language == Language::kEnglish ? QStringLiteral("en") : QStringLiteral("ru");
}

Language RememberedLanguage() {
  const std::unique_ptr<QSettings> settings = UserSettings();
  if (!settings) return Language::kRussian;
  return LanguageNamed(settings->value(kLanguageKey).toString()).value_or(Language::kRussian);
}

void RememberLanguage(Language language) {
  if (const std::unique_ptr<QSettings> settings = UserSettings()) {
    settings->setValue(kLanguageKey, LanguageCode(language));
  }
}

QString Translate(Language language, const char* context, const char* source) {
  if (language == Language::kEnglish) {
    const QString english = EnglishTranslator().translate(context, source);
    if (!english.isEmpty()) return english;
  }
  return QString::fromUtf8(source);
}

QString ListTitle(int n) {
  const std::string_view title = SchemeTitle(n, CurrentLanguage());
  return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

Language CurrentLanguage() {
  return current;
}

void SetLanguage(Language language) {
  if (applied && language == current) return;
  applied = true;
  current = language;
  const bool english = language == Language::kEnglish;
  Install(EnglishTranslator(), english);
  Install(QtRussianTranslator(), !english);
  Install(GapsTranslator(), !english);
  // Qt's dialogs word file types and dates by the default locale, not by the translators.
  QLocale::setDefault(english ? QLocale(QLocale::English) : QLocale(QLocale::Russian));
}

void SwitchLanguage(Language language) {
  SetLanguage(language);
  RememberLanguage(language);
}

}  // namespace kvir
