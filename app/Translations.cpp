// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "platform/Language.h"

void installSwedishTranslations(QCoreApplication&)
{
    language::apply(language::kSwedish);
}
