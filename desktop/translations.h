// The language of the user interface: at start-up, before any window is made, the program's
// catalogue for the system's language (and Qt's own, for the standard buttons and dialogs) is
// installed. The window's texts pass through tr(); the core's texts through ShowCoreText.
#pragma once

#include <QLocale>
#include <QStringList>

#include "upagraha/language.h"

class QTranslator;

namespace vela::desktop {

// Where the compiled catalogues (vela-upagrahas_<language>.qm) are looked for, in this order:
// beside the program in a build, under share/vela-upagrahas when installed, the build tree.
QStringList TranslationFolders();

// Installs Qt's catalogue for the locale's languages and the program's, the first one found in
// `folders`; the program's translator, or nothing when it has no catalogue for any of those
// languages (its texts then stay in English). The application owns what is installed.
QTranslator* InstallTranslations(const QLocale& locale, const QStringList& folders = TranslationFolders());

// The language the window speaks and the core's texts are made in: the one of the catalogue
// installed last (English when none was), what the report, header, chart and table are built in.
upagraha::Language InterfaceLanguage();

// The language of a locale's first language the program has (hi, ta), English for any other.
upagraha::Language LanguageOfLocale(const QLocale& locale);

// Puts the program's catalogue for `language` in place of the one installed, at once: Qt sends
// every widget a LanguageChange event, on which it sets its texts again. English removes the
// catalogue. False (and the window unchanged) when the catalogue is found in none of `folders`.
bool SwitchLanguage(upagraha::Language language, const QStringList& folders = TranslationFolders());

}  // namespace vela::desktop
