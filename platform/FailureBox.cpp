// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FailureBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

// How often a waiting failure looks whether the modal boxes have closed.
constexpr int kModalCheckMs = 50;

QPointer<QMessageBox> openBox; // deleted a little after it is closed
QPointer<QTimer> waiting;      // holds the waiting text; dies with the application

void open(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box->setObjectName(QStringLiteral("KolvoFailureBox"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    openBox = box;
    box->show();
}

} // namespace

void showFailureBox(const QString& text)
{
    if ((openBox && openBox->isVisible()) || waiting)
        return;
    if (!QApplication::activeModalWidget()) {
        open(text);
        return;
    }
    // Timer ticks also come inside the modal boxes' own event loops, so the box opens
    // as soon as the last one has closed, even when the code that opened it goes on.
    auto* timer = new QTimer(qApp);
    timer->setInterval(kModalCheckMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        if (QApplication::activeModalWidget())
            return;
        timer->deleteLater();
        waiting = nullptr;
        open(text);
    });
    waiting = timer;
    timer->start();
}
