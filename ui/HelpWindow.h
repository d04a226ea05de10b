// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>
#include <QDialog>
#include <QString>

class QTextBrowser;

namespace ui {

// One row of a help text: a heading, a key with what it does, or a paragraph.
struct HelpRow {
    enum class Kind { Heading, Key, Text };
    Kind kind = Kind::Text;
    QString first;  // the heading, the key or the paragraph
    QString second; // what the key does
};

// A plain window of help beside the game window: the rows as headed sections, the keys in a
// table, read-only text that a screen reader can walk. It does not block the game; Stäng
// or Escape hides it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& title, std::span<const HelpRow> rows, QWidget* owner);

    // The title and rows, worded anew (another language).
    void setContent(const QString& title, std::span<const HelpRow> rows);

    // The text as it reads, line by line.
    QString text() const;

private:
    QTextBrowser* view_ = nullptr;
};

} // namespace ui
