// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include <cstring>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "platform/SettingsStore.h"

namespace language {

namespace {

const QString kCatalogueDirectory = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("kolvo_");
const QString kCatalogueSuffix = QStringLiteral(".qm");

struct Known {
    QStringView code;
    QStringView name;
};
constexpr Known kKnownNames[] = {{u"sv", u"Svenska"}, {u"en", u"English"}};

struct ButtonText {
    const char* english = "";
    const char* swedish = "";
};

// Qt looks these up in the context "QPlatformTheme".
constexpr ButtonText kButtons[] = {
    {"OK", "OK"}, {"Cancel", "Avbryt"}, {"Close", "Stäng"}, {"&Yes", "&Ja"}, {"&No", "&Nej"},
};

// Swedish texts for the standard buttons of Qt's own dialogs ("OK", "Avbryt"), for Qt
// installations whose translations lack them: Debian 12 ships no qtbase_sv, and its qt_sv
// predates the context these texts are looked up in. Answers only what it knows; everything
// else is left to the other translators.
class SwedishButtonTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        if (!context || !sourceText || std::strcmp(context, "QPlatformTheme") != 0)
            return QString();
        for (const ButtonText& b : kButtons)
            if (std::strcmp(sourceText, b.english) == 0)
                return QString::fromUtf8(b.swedish);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QString& shown()
{
    static QString code = kSwedish.toString();
    return code;
}

// The translators installed for the language shown, owned by the application.
QList<QPointer<QTranslator>>& installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

void install(QTranslator* translator)
{
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

// Qt's own catalogue for the language, qtbase_<code> or else the older qt_<code>.
void installQtCatalogue(const QLocale& locale)
{
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), directory)) {
            install(translator);
            return;
        }
        delete translator;
    }
}

} // namespace

QStringList available()
{
    QStringList codes;
    const QStringList files
        = QDir(kCatalogueDirectory).entryList({kCataloguePrefix + u'*' + kCatalogueSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(kCataloguePrefix.size(), file.size() - kCataloguePrefix.size() - kCatalogueSuffix.size());
    codes.removeAll(kSwedish.toString());
    codes.prepend(kSwedish.toString());
    return codes;
}

QString nativeName(QStringView code)
{
    for (const Known& known : kKnownNames)
        if (known.code == code)
            return known.name.toString();
    const QString name = QLocale(code.toString()).nativeLanguageName();
    return name.isEmpty() ? code.toString() : name.left(1).toUpper() + name.mid(1);
}

QString current()
{
    return shown();
}

QLocale locale()
{
    QLocale numbers(shown());
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers;
}

void apply(QStringView code)
{
    const QString wanted = available().contains(code.toString()) ? code.toString() : kSwedish.toString();
    for (const QPointer<QTranslator>& translator : std::as_const(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();
    shown() = wanted;
    if (wanted == kSwedish) {
        // The button texts first, so Qt's own catalogue, asked before them, wins.
        install(new SwedishButtonTexts(QCoreApplication::instance()));
        installQtCatalogue(QLocale(QLocale::Swedish, QLocale::Sweden));
        return;
    }
    installQtCatalogue(QLocale(wanted));
    auto* program = new QTranslator(QCoreApplication::instance());
    if (program->load(kCatalogueDirectory + u'/' + kCataloguePrefix + wanted + kCatalogueSuffix))
        install(program);
    else
        delete program;
}

void restore(SettingsStore& settings, QStringView application)
{
    apply(settings.value(application, kPreferenceSection, kLanguageKey, kSwedish));
}

void choose(SettingsStore& settings, QStringView application, QStringView code)
{
    apply(code);
    settings.setValue(application, kPreferenceSection, kLanguageKey, current());
}

} // namespace language
