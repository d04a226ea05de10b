// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMap>
#include <QMessageBox>
#include <QPointer>

#include "platform/Dialogs.h"

class QWidget;

// Message and input boxes over Qt. Texts are always plain text.
class QtDialogs : public Dialogs {
public:
    DialogAnswer message(const QString& text, DialogButtons buttons, const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& title) override;
    std::optional<Choices> askChoices(const QString& title, const std::vector<ChoiceField>& fields,
                                      const std::function<bool(const Choices&)>& acceptable) override;
    // See showFailureBox: one box at a time, never over a modal box.
    void showFailure(const QString& text) override;
    void notice(const QString& text, const QString& title) override;

private:
    QMap<QString, QPointer<QMessageBox>> notices_;
};
