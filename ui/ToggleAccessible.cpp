// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ToggleAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/PictureBox.h"

namespace {

constexpr char kToggleProperty[] = "kolvoToggle";

class ToggleBoxAccessible : public QAccessibleWidget {
public:
    explicit ToggleBoxAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = box()->hasBorder();
        s.pressed = s.checked;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            // From the event loop, as a click comes: the caller over the bus is answered first.
            QMetaObject::invokeMethod(box(), &PictureBox::clicked, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* toggleBoxes(const QString&, QObject* object)
{
    auto* box = qobject_cast<PictureBox*>(object);
    return box && box->property(kToggleProperty).toBool() ? new ToggleBoxAccessible(box) : nullptr;
}

} // namespace

void ui::presentAsToggle(PictureBox& box)
{
    // Factories installed later are asked first: this one comes before the widgets' own.
    QAccessible::installFactory(toggleBoxes);
    box.setProperty(kToggleProperty, true);
    // An interface made before the mark (a name set on the box, with a reader listening)
    // is Qt's plain one, and Qt would keep it: it is dropped, and the next ask makes ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&box);
        made && !dynamic_cast<ToggleBoxAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QObject::connect(&box, &PictureBox::borderSwitched, &box, [b = &box] {
        QAccessible::State changed;
        changed.checked = true;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(b, changed);
        QAccessible::updateAccessibility(&event);
    });
}
