// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTranslator>

class QCoreApplication;

// Swedish texts for the standard buttons of Qt's own dialogs ("OK", "Avbryt"), for Qt
// installations whose translations lack them: Debian 12 ships no qtbase_sv, and its
// qt_sv predates the context these texts are looked up in. Answers only what it
// knows; everything else is left to the other translators.
class SwedishButtonTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Installs Qt's Swedish translation (qtbase_sv, or else qt_sv) from Qt's translation
// directory, with SwedishButtonTexts beneath it. The translators belong to app.
void installSwedishTranslations(QCoreApplication& app);
