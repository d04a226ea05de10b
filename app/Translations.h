// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Swedish, as with no language chosen (platform/Language.h): Qt's Swedish catalogue
// (qtbase_sv, or else qt_sv) with the program's own Swedish button texts beneath it. The
// program starts in the language the player chose, language::restore.
void installSwedishTranslations(QCoreApplication& app);
