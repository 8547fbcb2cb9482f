// SPDX-License-Identifier: GPL-3.0-or-later
#include "tkaccessible.h"

#include "tkfield.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QHash>

namespace {

QList<TKField *> fieldsOf(const QWidget *control)
{
    return control->findChildren<TKField *>(Qt::FindDirectChildrenOnly);
}

// A control: one group, named by its host through the control's accessible
// name (or, failing that, by a label whose buddy it is), whose children are
// its fields alone; the separators between them are drawing, not content.
class ControlAccessible : public QAccessibleWidget
{
public:
    explicit ControlAccessible(QWidget *control) : QAccessibleWidget(control, QAccessible::Grouping) {}

    // The control while it is whole: one being built or torn down is no
    // control of ours (its class is then a base class).
    QWidget *control() const
    {
        QObject *o = object();
        return qobject_cast<TKControl *>(o) ? static_cast<QWidget *>(o) : nullptr;
    }
    bool isValid() const override { return control() != nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString named = QAccessibleWidget::text(t);
        if (!named.isEmpty())
            return named;
        if (qobject_cast<const TKKuupKast *>(widget()))
            return QStringLiteral("Kuupäev");
        if (qobject_cast<const TKKellaKast *>(widget()))
            return QStringLiteral("Kellaaeg");
        return QStringLiteral("Arv");
    }

    int childCount() const override { return isValid() ? int(fieldsOf(control()).size()) : 0; }

    QAccessibleInterface *child(int index) const override
    {
        if (!isValid())
            return nullptr;
        const QList<TKField *> fields = fieldsOf(control());
        if (index < 0 || index >= fields.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(fields.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !isValid())
            return -1;
        return int(fieldsOf(control()).indexOf(qobject_cast<TKField *>(child->object())));
    }
};

// A field. Its text can be read and its caret and selection followed and
// set; text goes in only through the keyboard, where the control's rules
// apply, so there is no editable-text interface.
class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit FieldAccessible(TKField *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    // The field while it is whole: one being torn down is no field any more.
    TKField *field() const { return qobject_cast<TKField *>(object()); }
    bool isValid() const override { return field() != nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return Tundkast::fieldAccessibleName(widget());
        }
        if (t == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->isReadOnly();
        s.readOnly = field()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        const TKField *f = field();
        if (f && index == 0 && f->hasSelectedText()) {
            *start = f->selectionStart();
            *end = *start + int(f->selectedText().size());
        }
    }
    int selectionCount() const override
    {
        const TKField *f = field();
        return f && f->hasSelectedText() ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (TKField *f = field(); f && index == 0)
            f->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (TKField *f = field(); f && index == 0)
            f->setSelection(start, end - start);
    }
    int cursorPosition() const override
    {
        const TKField *f = field();
        return f ? f->cursorPosition() : 0;
    }
    void setCursorPosition(int position) override
    {
        if (TKField *f = field())
            f->setCursorPosition(position);
    }
    QString text(int start, int end) const override
    {
        const TKField *f = field();
        return f ? f->text().mid(start, end - start) : QString();
    }
    int characterCount() const override
    {
        const TKField *f = field();
        return f ? int(f->text().size()) : 0;
    }

    QRect characterRect(int offset) const override
    {
        const QLineEdit *e = field();
        if (!e)
            return {};
        const QString t = e->text();
        if (offset < 0 || offset >= t.size())
            return {};
        const QFontMetrics fm(e->font());
        const QRect area = e->contentsRect().marginsRemoved(e->textMargins());
        const int width = fm.horizontalAdvance(t);
        int left = area.left() + 2;
        if (e->alignment() & Qt::AlignHCenter)
            left = area.left() + (area.width() - width) / 2;
        else if (e->alignment() & Qt::AlignRight)
            left = area.right() - 2 - width;
        const QRect r(left + fm.horizontalAdvance(t.left(offset)),
                      area.top() + (area.height() - fm.height()) / 2,
                      fm.horizontalAdvance(t.mid(offset, 1)), fm.height());
        return {e->mapToGlobal(r.topLeft()), r.size()};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        TKField *f = field();
        return f ? f->cursorPositionAt(f->mapFromGlobal(point)) : -1;
    }
    void scrollToSubstring(int, int end) override { setCursorPosition(end); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (className == QLatin1String("TKField"))
        return new FieldAccessible(static_cast<TKField *>(w));
    if (className == QLatin1String("TKKuupKast") || className == QLatin1String("TKKellaKast")
        || className == QLatin1String("TKArvuKast"))
        return new ControlAccessible(w);
    return nullptr;
}

} // namespace

namespace Tundkast {

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString fieldAccessibleName(const QWidget *field)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("txtPäev"), QStringLiteral("Päev")},
        {QStringLiteral("txtKuu"), QStringLiteral("Kuu")},
        {QStringLiteral("txtAasta"), QStringLiteral("Aasta")},
        {QStringLiteral("txtTund"), QStringLiteral("Tund")},
        {QStringLiteral("txtMinut"), QStringLiteral("Minut")},
        {QStringLiteral("txtSekund"), QStringLiteral("Sekund")},
    };
    const auto it = names.constFind(field->objectName());
    if (it != names.constEnd())
        return *it;
    // The integer box's only field stands for the whole box: "Juliuse päev,
    // arv"; a box named "Aastate arv" already says it.
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(field->parentWidget());
    const QString boxName = box ? box->text(QAccessible::Name).trimmed() : QString();
    if (boxName.isEmpty())
        return QStringLiteral("Arv");
    const QString lastWord = boxName.section(u' ', -1);
    if (lastWord.compare(QLatin1String("arv"), Qt::CaseInsensitive) == 0)
        return boxName;
    return boxName + QStringLiteral(", arv");
}

} // namespace Tundkast
