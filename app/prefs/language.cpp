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

// Key names as Russian keyboards print them, where Qt's Russian translation keeps a name the
// keyboard does not show ("Return"). Installed after QtRussianTranslator, so asked first.
class RussianKeyNames : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    if (qstrcmp(context, "QShortcut") != 0) return {};
    for (const auto& [qt, keyboard] : kNames) {
      if (qstrcmp(source, qt) == 0) return QString::fromUtf8(keyboard);
    }
    return {};
  }
  bool isEmpty() const override { return false; }

 private:
  static constexpr std::pair<const char*, const char*> kNames[] = {{"Return", "Enter"}};
};

RussianKeyNames& KeyNamesTranslator() {
  static RussianKeyNames translator;
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
  Install(KeyNamesTranslator(), !english);
  // Qt's dialogs word file types and dates by the default locale, not by the translators.
  QLocale::setDefault(english ? QLocale(QLocale::English) : QLocale(QLocale::Russian));
}

void SwitchLanguage(Language language) {
  SetLanguage(language);
  RememberLanguage(language);
}

}  // namespace kvir
