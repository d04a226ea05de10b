#pragma once
#include <QString>

class QWidget;

// Tool tips are rich text when they look like markup; a name in one must show as typed.
void setPlainToolTip(QWidget* widget, const QString& text);
