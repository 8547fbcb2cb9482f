// SPDX-License-Identifier: GPL-3.0-or-later
#include "tkcontrol_p.h"

#include "tkaccessible.h"
#include "tkfield.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>

namespace {

// The controls' fields use "MS Sans Serif" at 8 points, the font of the
// forms they were drawn for; the font is looked up through Liberation Sans
// unless the host installed a substitution of its own.
QFont fieldFont()
{
    static const bool substituted = [] {
        const QString family = QStringLiteral("MS Sans Serif");
        if (QFont::substitutes(family).isEmpty())
            QFont::insertSubstitution(family, QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8);
    return font;
}

} // namespace

TKControl::Private::Private(TKControl *control)
    : control(control)
{
}

TKControl::Private::~Private() = default;

TKControl::TKControl(std::unique_ptr<Private> d, QWidget *parent)
    : QWidget(parent), d(std::move(d))
{
    Tundkast::installAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
}

TKControl::~TKControl()
{
    d->detachFields();
}

void TKControl::Private::detachFields()
{
    for (TKField *field : std::as_const(fields))
        field->detachOwner();
}

int TKControl::Private::px(int pixels) const
{
    const int dpi = control->logicalDpiX();
    return dpi > 0 ? qRound(pixels * dpi / 96.0) : pixels;
}

TKField *TKControl::Private::addField(const QString &objectName, int left, int width, int maxLength)
{
    auto *field = new TKField(this, control);
    field->setObjectName(objectName);
    field->setFont(fieldFont());
    field->setGeometry(px(left), px(3), px(width), px(16));
    field->setCharacterLimit(maxLength);
    if (!fields.isEmpty())
        QWidget::setTabOrder(fields.last(), field);
    else
        control->setFocusProxy(field);
    fields.append(field);
    return field;
}

QLabel *TKControl::Private::addSeparator(const QString &objectName, const QString &text, int left)
{
    auto *label = new QLabel(text, control);
    label->setObjectName(objectName);
    label->setFont(fieldFont());
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(px(left), px(3), px(3), px(16));
    label->setAutoFillBackground(false);
    return label;
}

bool TKControl::TKLubatud() const
{
    return d->enabled;
}

void TKControl::setTKLubatud(bool enabled)
{
    for (TKField *field : std::as_const(d->fields))
        field->setEnabled(enabled);
    if (d->enabled == enabled)
        return;
    d->enabled = enabled;
    emit TKLubatudChanged(enabled);
}

bool TKControl::TKLukus() const
{
    return d->locked;
}

void TKControl::setTKLukus(bool locked)
{
    for (TKField *field : std::as_const(d->fields))
        field->setReadOnly(locked);
    if (d->locked == locked)
        return;
    d->locked = locked;
    emit TKLukusChanged(locked);
}

bool TKControl::Private::fieldTab(TKField *)
{
    return false;
}

void TKControl::Private::fieldValidate(TKField *) {}
void TKControl::Private::controlEntered(TKField *) {}
void TKControl::Private::controlLeft(TKField *) {}
bool TKControl::Private::fieldDoubleClicked(TKField *)
{
    return false;
}

bool TKControl::Private::canPaste(TKField *, const QString &) const
{
    return false;
}

void TKControl::Private::doPaste(TKField *, const QString &) {}

int TKControl::Private::characterCode(Qt::Key key)
{
    if (key == Qt::Key_Backspace)
        return 8;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    return 0;
}

void TKControl::Private::focusField(TKField *field)
{
    if (!field)
        return;
    const bool was = movingFocus;
    movingFocus = true; // no entry rules: the control chose the field itself
    field->setFocus(Qt::OtherFocusReason);
    movingFocus = was;
}

void TKControl::Private::setTextInternally(TKField *field, const QString &text, int caret)
{
    ++internal;
    field->setText(text);
    field->setCursorPosition(caret < 0 ? int(field->text().size()) : caret);
    --internal;
}

void TKControl::Private::onFieldTextChanged(TKField *field)
{
    if (internal > 0)
        return;
    fieldChanged(field);
}

void TKControl::Private::fieldFocusIn(TKField *field, Qt::FocusReason reason)
{
    if (focusInside || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        focusInside = true;
        return;
    }
    focusInside = true;
    if (!movingFocus) {
        entering = true;
        controlEntered(field);
        entering = false;
    }
}

void TKControl::Private::fieldFocusOut(TKField *field, Qt::FocusReason reason)
{
    // A window switch or a popup menu takes the focus only for a while.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    QWidget *next = QApplication::focusWidget();
    const bool leaving = !(next && control->isAncestorOf(next));
    // A field the focus only passed through on its way in is left as it is.
    if (!entering)
        fieldValidate(field);
    if (leaving) {
        focusInside = false;
        controlLeft(field);
    }
    updateState();
}

void TKControl::paintEvent(QPaintEvent *)
{
    // A sunken border two lines deep, as the classic 3-D edit frame: grey and
    // black lines above and to the left, white and light grey below and right.
    QPainter painter(this);
    const QRect r = rect();
    const QPalette &pal = palette();
    painter.fillRect(r.adjusted(2, 2, -2, -2), pal.color(QPalette::Base));
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(l, t, rr - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.setPen(pal.color(QPalette::Shadow));
    painter.drawLine(l + 1, t + 1, rr - 2, t + 1);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(l, b, rr, b);
    painter.drawLine(rr, t, rr, b);
    painter.setPen(pal.color(QPalette::Midlight));
    painter.drawLine(l + 1, b - 1, rr - 1, b - 1);
    painter.drawLine(rr - 1, t + 1, rr - 1, b - 1);
}
