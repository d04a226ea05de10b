// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <cstring>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

struct ButtonText {
    const char* english = "";
    const char* swedish = "";
};

// Qt looks these up in the context "QPlatformTheme".
constexpr ButtonText kButtons[] = {
    {"OK", "OK"}, {"Cancel", "Avbryt"}, {"Close", "Stäng"}, {"&Yes", "&Ja"}, {"&No", "&Nej"},
};

} // namespace

QString SwedishButtonTexts::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText || std::strcmp(context, "QPlatformTheme") != 0)
        return QString();
    for (const ButtonText& b : kButtons)
        if (std::strcmp(sourceText, b.english) == 0)
            return QString::fromUtf8(b.swedish);
    return QString();
}

void installSwedishTranslations(QCoreApplication& app)
{
    // Installed first, so any real translation file, asked before it, wins.
    QCoreApplication::installTranslator(new SwedishButtonTexts(&app));
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(swedish, QString::fromLatin1(catalogue), QStringLiteral("_"), directory)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}
