#pragma once
#include "platform/Dialogs.h"

class QWidget;

// Message and input boxes over Qt. Texts are always plain text.
class QtDialogs : public Dialogs {
public:
    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
};
