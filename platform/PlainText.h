#pragma once
#include <QString>

class QWidget;

// Tool tips are rich text when they look like markup; a name in one must show as typed.
void setPlainToolTip(QWidget* widget, const QString& text);
// Centres a top-level window on the screen it is on.
void centreOnScreen(QWidget* window);
