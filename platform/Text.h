// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

// A text the program shows or says, kept in its source language, Swedish, and shown in the
// player's language: a context and a UTF-8 source, written
//     inline constexpr Text kRoll{"Board", QT_TRANSLATE_NOOP("Board", "Kasta")};
// so that lupdate finds it in the constant's initializer (the same context twice: lupdate
// reads the marker, the program the first). With no catalogue installed, or none that has
// it, the source itself is shown.
class Text {
public:
    constexpr Text() = default;
    constexpr Text(const char* context, const char* source) : context_(context), source_(source) {}

    QString toString() const { return QCoreApplication::translate(context_, source_); }
    // Every blank filled by one arg() call, so a name holding "%2" shows exactly as typed.
    // A Text among the arguments is filled in translated.
    template <typename... Args> QString arg(const Args&... args) const { return toString().arg(shown(args)...); }

    constexpr bool isEmpty() const { return source_[0] == '\0'; }
    constexpr const char* context() const { return context_; }
    constexpr const char* source() const { return source_; }

private:
    static QString shown(const Text& text) { return text.toString(); }
    template <typename T> static const T& shown(const T& value) { return value; }

    const char* context_ = "";
    const char* source_ = "";
};
