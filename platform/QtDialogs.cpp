// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "platform/Announcer.h"
#include "platform/FailureBox.h"

namespace {

// Texts use CR LF between lines; a plain-text label wants bare line feeds.
QString forDisplay(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

QWidget* activeParent()
{
    return QApplication::activeWindow();
}

// Room beside a title for the window decoration's icon and buttons, in lines of the
// title-bar font: decorations size their buttons by that font, and an icon and three
// buttons, each about as wide as the bar is high, with their spacing, fit in eight.
constexpr int kDecorationLines = 8;

// The width a window needs so that the window manager shows its title whole: the
// title in the title-bar font, bold as many decorations draw it, and the decoration.
int widthForTitle(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + kDecorationLines * metrics.height();
}

// A box as narrow as a short text would show its title cut ("H…"). Called once the
// box has its title, icon and text: changing the icon rebuilds the layout.
void makeRoomForTitle(QMessageBox& box)
{
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const QScreen* screen = box.screen();
        const int limit = screen ? screen->availableGeometry().width() * 9 / 10 : QWIDGETSIZE_MAX;
        const int width = qMin(widthForTitle(box.windowTitle()), limit) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

} // namespace

DialogAnswer QtDialogs::message(const QString& text, DialogButtons buttons, const QString& title)
{
    QMessageBox box(activeParent());
    box.setObjectName(QStringLiteral("KolvoMessageBox"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(forDisplay(text));
    // The box would wrap a line wider than half the screen, leaving a last word on a
    // line of its own; the label is given the width of its longest line instead.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : forDisplay(text).split(QLatin1Char('\n')))
            widest = qMax(widest, metrics.horizontalAdvance(line));
        const QScreen* screen = box.screen();
        const int limit = screen ? screen->availableGeometry().width() * 9 / 10 : widest;
        label->setMinimumWidth(qMin(widest + 2, limit));
    }
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    makeRoomForTitle(box);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    if (buttons == DialogButtons::OkCancel) {
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.exec();
    // Closing the box by other means answers with its escape button.
    return box.clickedButton() == ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

void QtDialogs::notice(const QString& text, const QString& title)
{
    QPointer<QMessageBox>& box = notices_[title];
    if (!box) {
        box = new QMessageBox(QMessageBox::NoIcon, title, QString(), QMessageBox::Ok, activeParent());
        box->setObjectName(QStringLiteral("KolvoNotice"));
        box->setTextFormat(Qt::PlainText);
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        makeRoomForTitle(*box);
    }
    box->setText(forDisplay(text));
    box->show();
    box->raise();
}

std::optional<QString> QtDialogs::askText(const QString& prompt, const QString& title)
{
    QDialog dialog(activeParent());
    dialog.setObjectName(QStringLiteral("KolvoInputBox"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(forDisplay(prompt), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("InputBoxText"));
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(300);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}

std::optional<Choices> QtDialogs::askChoices(const QString& title, const std::vector<ChoiceField>& fields,
                                             const std::function<bool(const Choices&)>& acceptable)
{
    QDialog dialog(activeParent());
    dialog.setObjectName(QStringLiteral("KolvoChoiceBox"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    // A list changed by an arrow key is not read by Orca from Qt's list: the form tells it.
    auto* voice = new Announcer(&dialog);
    std::vector<QComboBox*> lists;
    for (const ChoiceField& field : fields) {
        auto* list = new QComboBox(&dialog);
        list->addItems(field.options);
        list->setCurrentIndex(field.chosen);
        // The label names the list for screen readers too, and its mnemonic reaches it. A
        // reader names a labelled list by its label alone (Orca does, and finds no value in
        // Qt's list), so the label's accessible name carries the choice as well.
        auto* label = new QLabel(field.label, &dialog);
        label->setBuddy(list);
        const QString name = QString(field.label).remove(u'&');
        const auto tell = [label, list, name] { label->setAccessibleName(name + u' ' + list->currentText()); };
        tell();
        QObject::connect(list, &QComboBox::currentIndexChanged, label, tell);
        QObject::connect(list, &QComboBox::currentIndexChanged, voice,
                         [voice, label] { voice->announce(label->accessibleName()); });
        form->addRow(label, list);
        lists.push_back(list);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    const auto chosen = [&lists] {
        Choices c;
        for (const QComboBox* list : lists)
            c.push_back(list->currentIndex());
        return c;
    };
    const auto judge = [&] { buttons->button(QDialogButtonBox::Ok)->setEnabled(acceptable(chosen())); };
    for (QComboBox* list : lists)
        QObject::connect(list, &QComboBox::currentIndexChanged, &dialog, judge);
    judge();
    if (!lists.empty())
        lists.front()->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen();
}

void QtDialogs::showFailure(const QString& text)
{
    showFailureBox(text);
}
