// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "platform/Language.h"

namespace ui {

QMenu* addLanguageMenu(QMenu& fileMenu, QAction* before, SettingsStore& settings, QStringView application)
{
    auto* menu = new QMenu(kLanguageMenuCaption.toString(), &fileMenu);
    menu->setObjectName(kLanguageMenuName.toString());
    auto* choices = new QActionGroup(menu);
    for (const QString& code : language::available()) {
        QAction* item = menu->addAction(language::nativeName(code));
        item->setObjectName(kLanguageMenuName.toString() + u'_' + code);
        item->setData(code);
        item->setCheckable(true);
        item->setActionGroup(choices);
        QObject::connect(item, &QAction::triggered, menu, [&settings, application = application.toString(), code] {
            language::choose(settings, application, code);
        });
    }
    // The tick follows the language shown, however it was chosen.
    const auto tick = [choices] {
        for (QAction* item : choices->actions())
            item->setChecked(item->data().toString() == language::current());
    };
    tick();
    QObject::connect(menu, &QMenu::aboutToShow, menu, tick);
    fileMenu.insertMenu(before, menu);
    return menu;
}

} // namespace ui
