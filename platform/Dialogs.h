#pragma once
#include <QString>

enum class MsgButtons { Ok, OkCancel };
enum class MsgAnswer { Ok, Cancel };

// Modal message and input boxes. Every text is shown as plain text: a player's
// name with markup in it shows those very characters.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // No icon; with OkCancel, OK is the default and closing the box is Cancel.
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                             const QString& title = QStringLiteral("Kolvo")) = 0;
    // Empty entry field; the entered text on OK, "" on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;
};
