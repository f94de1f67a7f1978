#include "ui/core/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace tessaro {

namespace {

const QString kLanguageSetting = QStringLiteral("view/language");
Language current = Language::kDutch;

QString Code(Language language) {
  return language == Language::kEnglish ? QStringLiteral("en") : QStringLiteral("nl");
}

// A translator owned by the application, or none when its file is not there.
bool Install(QCoreApplication& app, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(name, folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

QString StoredLanguageChoice() { return QSettings().value(kLanguageSetting).toString(); }

void StoreLanguageChoice(const QString& choice) {
  if (choice.isEmpty()) {
    QSettings().remove(kLanguageSetting);
  } else {
    QSettings().setValue(kLanguageSetting, choice);
  }
}

Language LanguageFor(const QString& choice, const QLocale& locale) {
  Language language = Language::kDutch;
  if (!choice.isEmpty() && LanguageFromName(choice.toStdString(), &language)) return language;
  return locale.language() == QLocale::Dutch ? Language::kDutch : Language::kEnglish;
}

bool InstallTranslations(QCoreApplication& app, Language language) {
  current = language;
  const QString code = Code(language);
  bool complete = Install(app, QStringLiteral("qtbase_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (language != Language::kDutch) {
    complete =
        Install(app, QStringLiteral("tessaro_") + code, QStringLiteral(":/i18n")) && complete;
  }
  return complete;
}

Language CurrentLanguage() { return current; }

std::string Translated(const Message& message) {
  return Say(message, [](TextId id) {
    return QCoreApplication::translate("Message", Pattern(id)).toStdString();
  });
}

}  // namespace tessaro
