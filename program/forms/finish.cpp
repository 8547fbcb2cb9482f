// SPDX-License-Identifier: GPL-3.0-or-later
// What a window's form cannot say, applied once after setupUi (see forms.h).
#include "forms.h"

#include <QAbstractButton>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPointer>
#include <QWidget>

namespace forms {

namespace {

// The containers whose controls the form places; any other widget (a label,
// a button, a Tundkast box, the month grid) lays out its own parts.
bool isContainer(const QWidget *w)
{
    const QMetaObject *m = w->metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject;
}

QRect formTwips(const QWidget *w)
{
    const QVariant exact = w->property(formProperty::twips);
    if (exact.isValid())
        return exact.toRect();
    const QRect g = w->geometry();
    return QRect(g.x() * twipsPerFormPixel, g.y() * twipsPerFormPixel, g.width() * twipsPerFormPixel,
                 g.height() * twipsPerFormPixel);
}

// The controls of a container in the order they were built, so that the
// half of an etched line finds the line before it.
void rescaleChildren(QWidget *container, const Twips &t)
{
    bool lineSeen = false;
    QRect lineInForm;
    QRect lineOnScreen;
    for (QObject *o : container->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow())
            continue;
        const QString line = w->property(formProperty::line).toString();
        const QRect inForm = w->geometry();
        QRect onScreen;
        if (line == QLatin1String("etched") && lineSeen) {
            onScreen = QRect(lineOnScreen.x() + inForm.x() - lineInForm.x(),
                             lineOnScreen.y() + inForm.y() - lineInForm.y(),
                             lineOnScreen.width() + inForm.width() - lineInForm.width(),
                             lineOnScreen.height() + inForm.height() - lineInForm.height());
        } else {
            onScreen = t.rect(formTwips(w));
            // A line stays one pixel thick.
            if (!line.isEmpty() && inForm.width() == 1)
                onScreen.setWidth(1);
            if (!line.isEmpty() && inForm.height() == 1)
                onScreen.setHeight(1);
        }
        if (!line.isEmpty()) {
            lineSeen = true;
            lineInForm = inForm;
            lineOnScreen = onScreen;
        }
        w->setGeometry(onScreen);
        if (isContainer(w))
            rescaleChildren(w, t);
    }
}

QSize formSizeOnScreen(const QSize &inForm, const Twips &t)
{
    return t.size(inForm.width() * twipsPerFormPixel, inForm.height() * twipsPerFormPixel);
}

void rescale(QWidget *window)
{
    const Twips t = Twips::of(window);
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget()) {
        QWidget *client = main->centralWidget();
        client->setFixedSize(formSizeOnScreen(client->minimumSize(), t));
        rescaleChildren(client, t);
        main->setFixedSize(client->width(), main->menuBar()->sizeHint().height() + client->height());
        return;
    }
    const QSize inForm = window->size();
    rescaleChildren(window, t);
    window->setFixedSize(formSizeOnScreen(inForm, t));
}

void applyColours(QWidget *w)
{
    const WhenDisabled disabled = w->property(formProperty::greyWhenDisabled).toBool()
        ? WhenDisabled::StyleGrey
        : WhenDisabled::SameColour;
    if (const QVariant background = w->property(formProperty::background); background.isValid())
        setBackground(w, background.value<QColor>());
    if (const QVariant colour = w->property(formProperty::textColour); colour.isValid())
        setTextColour(w, colour.value<QColor>(), disabled);
    if (const QVariant role = w->property(formProperty::textColourRole); role.isValid()) {
        bool known = false;
        const int value = QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(
            role.toString().toLatin1().constData(), &known);
        if (known)
            setTextColour(w, QPalette::ColorRole(value), disabled);
        else
            qWarning("forms::finish: %s: no palette role %s", qPrintable(w->objectName()),
                     qPrintable(role.toString()));
    }
    const QString line = w->property(formProperty::line).toString();
    if (!line.isEmpty()) {
        // The style's colour of the palette in force, light or dark.
        w->setBackgroundRole(line == QLatin1String("shadow") ? QPalette::Dark : QPalette::Light);
        w->setAutoFillBackground(true);
    }
}

void applyDragOff(QWidget *window, QWidget *w)
{
    const QVariant names = w->property(formProperty::dragOffFocus);
    auto *button = qobject_cast<QAbstractButton *>(w);
    if (!names.isValid() || !button)
        return;
    QList<QPointer<QWidget>> targets;
    for (const QString &name : names.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (QWidget *target = window->findChild<QWidget *>(name))
            targets << target;
        else
            qWarning("forms::finish: %s: no focus target %s", qPrintable(w->objectName()), qPrintable(name));
    }
    if (targets.isEmpty())
        return;
    // The first enabled target, else the last one.
    onDragOff(button, [targets] {
        QWidget *to = targets.constLast();
        for (QWidget *target : targets) {
            if (target && target->isEnabled()) {
                to = target;
                break;
            }
        }
        if (to)
            to->setFocus(Qt::MouseFocusReason);
    });
}

// An element of a control array takes the array's name.
void nameArrayElement(QWidget *w)
{
    const QVariant index = w->property(formProperty::index);
    if (!index.isValid())
        return;
    const QString suffix = QLatin1Char('_') + QString::number(index.toInt());
    if (w->objectName().endsWith(suffix))
        w->setObjectName(w->objectName().chopped(suffix.size()));
}

} // namespace

QFont formFont(const QWidget *w)
{
    QFont f = w->font();
    if (const QVariant points = w->property(formProperty::points); points.isValid())
        f.setPointSizeF(points.toDouble());
    return f;
}

void finish(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    // The fonts first: the menu bar's height follows its font.
    for (QWidget *w : std::as_const(widgets)) {
        if (w->property(formProperty::points).isValid())
            w->setFont(formFont(w));
    }
    rescale(window);
    for (QWidget *w : std::as_const(widgets)) {
        applyColours(w);
        if (const QVariant topic = w->property(formProperty::helpTopic); topic.isValid())
            setHelpTopic(w, topic.toInt());
        applyDragOff(window, w);
    }
    if (const QVariant name = window->property(formProperty::cancelButton); name.isValid()) {
        if (auto *cancel = window->findChild<QAbstractButton *>(name.toString()))
            makeCancelButton(window, cancel);
        else
            qWarning("forms::finish: %s: no cancel button %s", qPrintable(window->objectName()),
                     qPrintable(name.toString()));
    }
    // Names last: the cancel button and the focus targets are found by the
    // form's own names.
    for (QWidget *w : std::as_const(widgets))
        nameArrayElement(w);
}

} // namespace forms
