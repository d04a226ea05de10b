// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QStringList>

// A plain-text label that draws a caption too long for it with an ellipsis ("…")
// at the end of its last line, instead of cutting it mid-letter. text() stays the
// whole caption, and so does the accessible name; while the caption is shortened
// its tool tip shows the whole caption below the label's own tip. The label's
// toolTip() is plain text and shows exactly as given.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The lines as drawn now: the caption broken to the label's width, the last line
    // that fits ending in "…" when the rest does not fit.
    QStringList shownLines() const;
    bool isElided() const;
    // The tool tip as it shows now, plain text.
    QString shownToolTip() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList layoutLines(bool* elided) const;
};
