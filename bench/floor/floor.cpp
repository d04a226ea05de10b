// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of our stack for the start-up and memory benchmark (footprint.py): a bare
// Qt 6 window with one label, started the way the game is started.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kolvo floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Kolvo"), &window));
    window.resize(512, 217);
    window.show();
    return app.exec();
}
