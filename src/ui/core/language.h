// The language the windows speak: the desktop's (Dutch for nl*, English for any other language,
// Dutch where the desktop names none), unless the user chose one in the program, which is kept
// in the settings and used from the next start on. Dutch is the program's own: it needs no
// translation of its own words, only Qt's (file dialogs, standard buttons).
#pragma once

#include <QLocale>
#include <QString>

#include "engine/core/texts.h"

class QAbstractButton;
class QCoreApplication;

namespace tessaro {

// The choice stored in the settings: "nl", "en", or empty to follow the desktop.
QString StoredLanguageChoice();
void StoreLanguageChoice(const QString& choice);

// The language for a stored choice on a desktop of `locale`.
Language LanguageFor(const QString& choice, const QLocale& locale);

// Loads Qt's translations and, for a language other than Dutch, the program's, into `app`,
// in place of those of the language installed before. False when one of them is missing
// (the windows then show what they have).
bool InstallTranslations(QCoreApplication& app, Language language);

// The language installed last (Dutch until InstallTranslations is called).
Language CurrentLanguage();

// Room for longer words: a button of a fixed width keeps its size in Dutch, and in another
// language grows to the right to the text it holds where that does not fit.
void GrowToText(QAbstractButton& button);

// A message of the engine in the current language: each pattern translated in its context
// ("Message" for the engine's sentences, the table's for a term), then filled in.
std::string Translated(const Message& message);
inline std::string Translated(const Phrase& text) { return Translated(Message{text}); }
// The same as the text of a widget.
inline QString TranslatedText(const Message& message) {
  return QString::fromStdString(Translated(message));
}
inline QString TranslatedText(const Phrase& text) { return TranslatedText(Message{text}); }

}  // namespace tessaro
