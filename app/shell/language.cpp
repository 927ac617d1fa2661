#include "app/shell/language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "app/shell/settings.h"

namespace kvir {
namespace {

// Where app/CMakeLists.txt embeds the compiled translation.
const QString kEnglishTranslation = QStringLiteral(":/kvir/i18n/kvir_en.qm");

const QString kLanguageKey = QStringLiteral("language");

Language current = Language::kRussian;

// Loaded once, on first use; lives until the program ends.
QTranslator& EnglishTranslator() {
  static QTranslator translator;
  if (translator.isEmpty() && !translator.load(kEnglishTranslation)) {
    qWarning("kvir: the embedded English translation %s is missing",
             qUtf8Printable(kEnglishTranslation));
  }
  return translator;
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

Language CurrentLanguage() {
  return current;
}

void SetLanguage(Language language) {
  if (language == current) return;
  current = language;
  if (language == Language::kEnglish) {
    QCoreApplication::installTranslator(&EnglishTranslator());
  } else {
    QCoreApplication::removeTranslator(&EnglishTranslator());
  }
}

void SwitchLanguage(Language language) {
  SetLanguage(language);
  RememberLanguage(language);
}

}  // namespace kvir
