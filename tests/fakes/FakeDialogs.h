#pragma once
#include <deque>
#include <vector>

#include "platform/Dialogs.h"

// Scripted dialogs: answers are queued in advance; every box shown is recorded.
// With the queue empty a message box answers OK and an input box "".
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, Input } kind;
        QString text;
        QString title;
        MsgButtons buttons;
    };

    std::deque<MsgAnswer> answers;
    std::deque<QString> inputs;
    std::vector<Shown> shown;

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) override
    {
        shown.push_back({Shown::Message, text, title, buttons});
        if (answers.empty())
            return MsgAnswer::Ok;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    QString InputBox(const QString& prompt, const QString& title) override
    {
        shown.push_back({Shown::Input, prompt, title, MsgButtons::OkCancel});
        if (inputs.empty())
            return QString();
        QString s = inputs.front();
        inputs.pop_front();
        return s;
    }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> out;
        for (const auto& s : shown)
            if (s.kind == Shown::Message)
                out.push_back(s.text);
        return out;
    }
};
