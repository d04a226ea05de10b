// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <vector>

#include "platform/Dialogs.h"

// Scripted dialogs: answers are queued in advance; every box shown is recorded.
// With the queue empty a message box answers OK and an input box "" (OK on an empty
// field); a queued std::nullopt is Avbryt.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, Input, Notice, Choice } kind = Message;
        QString text;
        QString title;
        DialogButtons buttons = DialogButtons::Ok;
    };

    std::deque<DialogAnswer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<Choices>> choices;  // empty: the form's first options, answered OK
    std::vector<std::vector<ChoiceField>> forms; // every choice form shown
    std::vector<Shown> shown;
    std::vector<QString> failures;                       // texts given to showFailure
    std::function<void(const QString& title)> onMessage; // told of each message box as it shows

    DialogAnswer message(const QString& text, DialogButtons buttons, const QString& title) override
    {
        shown.push_back({Shown::Message, text, title, buttons});
        if (onMessage)
            onMessage(title);
        if (answers.empty())
            return DialogAnswer::Ok;
        const DialogAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<QString> askText(const QString& prompt, const QString& title) override
    {
        shown.push_back({Shown::Input, prompt, title, DialogButtons::OkCancel});
        if (inputs.empty())
            return QString();
        // The text is taken out, not the optional: GCC warns of a copied
        // std::optional<QString> as maybe uninitialised.
        const bool cancelled = !inputs.front();
        QString s = cancelled ? QString() : std::move(*inputs.front());
        inputs.pop_front();
        if (cancelled)
            return std::nullopt;
        return s;
    }

    std::optional<Choices> askChoices(const QString& title, const std::vector<ChoiceField>& fields,
                                      const std::function<bool(const Choices&)>& acceptable) override
    {
        shown.push_back({Shown::Choice, QString(), title, DialogButtons::OkCancel});
        forms.push_back(fields);
        Choices initial;
        for (const ChoiceField& f : fields)
            initial.push_back(f.chosen);
        std::optional<Choices> c = initial;
        if (!choices.empty()) {
            c = choices.front();
            choices.pop_front();
        }
        // OK cannot be pressed on options the form does not accept.
        return c && acceptable(*c) ? c : std::nullopt;
    }

    void notice(const QString& text, const QString& title) override
    {
        shown.push_back({Shown::Notice, text, title, DialogButtons::Ok});
    }
    void showFailure(const QString& text) override { failures.push_back(text); }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> out;
        for (const auto& s : shown)
            if (s.kind == Shown::Message)
                out.push_back(s.text);
        return out;
    }
};
