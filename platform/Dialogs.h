// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <vector>
#include <QString>
#include <QStringList>

enum class DialogButtons { Ok, OkCancel };
enum class DialogAnswer { Ok, Cancel };

// One drop-down list of a choice form: its label, its options and the one chosen at first.
struct ChoiceField {
    QString label;
    QStringList options;
    int chosen = 0;
};
using Choices = std::vector<int>; // the chosen option of each field, in the fields' order

// Modal message and input boxes. Every text is shown as plain text: a player's
// name with markup in it shows those very characters.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // No icon; with OkCancel, OK is the default and closing the box is Cancel.
    virtual DialogAnswer message(const QString& text, DialogButtons buttons, const QString& title) = 0;
    // Empty entry field; the entered text on OK (which may be ""), nothing on Cancel or
    // when the box is closed.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title) = 0;
    // A form of drop-down lists with OK and Cancel; OK can be pressed only while acceptable
    // holds for the options chosen. The chosen options on OK, nothing on Cancel or when the
    // box is closed.
    virtual std::optional<Choices> askChoices(const QString& title, const std::vector<ChoiceField>& fields,
                                              const std::function<bool(const Choices&)>& acceptable)
        = 0;
    // A box that does not wait for its OK: shown, and returning at once. While a box
    // with the same title is open, its text is replaced instead.
    virtual void notice(const QString& text, const QString& title) = 0;
    // A failure the program only reports, shown without blocking: returns at once.
    virtual void showFailure(const QString& text) = 0;
};
