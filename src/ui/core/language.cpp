#include "ui/core/language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <vector>

namespace tessaro {

namespace {

const QString kLanguageSetting = QStringLiteral("view/language");
Language current = Language::kDutch;
std::vector<QTranslator*> installed;  // the translators of the language installed last

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
  installed.push_back(translator);
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
  // The language the desktop shows its windows in (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). A
  // desktop that names none (the C or POSIX locale, as a bare session or a service has) gets
  // the program's own.
  const QStringList shown = locale.uiLanguages();
  if (shown.isEmpty() || locale.language() == QLocale::C) return Language::kDutch;
  if (LanguageFromName(shown.front().toStdString(), &language)) return language;
  return Language::kEnglish;
}

bool InstallTranslations(QCoreApplication& app, Language language) {
  for (QTranslator* translator : installed) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  installed.clear();
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

void GrowToText(QAbstractButton& button) {
  if (current == Language::kDutch) return;
  // The frame and padding the style puts around a button's text.
  const int needed = button.fontMetrics().horizontalAdvance(button.text()) + 8;
  if (needed > button.width()) button.resize(needed, button.height());
}

std::string Translated(const Message& message) {
  return Say(message, [](const Term& term) {
    return QCoreApplication::translate(term.context, term.dutch).toStdString();
  });
}

}  // namespace tessaro
