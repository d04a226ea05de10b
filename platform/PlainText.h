// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;

// Tool tips are rich text when they look like markup; a name in one must show as typed.
// The text to hand to a tool tip so that it shows exactly as given.
QString plainToolTip(const QString& text);
void setPlainToolTip(QWidget* widget, const QString& text);
