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

    QString text(QAccessible::Text t) const override
    {
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

    int childCount() const override { return int(fieldsOf(widget()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<TKField *> fields = fieldsOf(widget());
        if (index < 0 || index >= fields.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(fields.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(fieldsOf(widget()).indexOf(qobject_cast<TKField *>(child->object())));
    }
};

// A field. Its text can be read and its caret and selection followed and
// set; text goes in only through the keyboard, where the control's rules
// apply, so there is no editable-text interface.
class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit FieldAccessible(TKField *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    TKField *field() const { return static_cast<TKField *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
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
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + int(field()->selectedText().size());
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
    int characterCount() const override { return int(field()->text().size()); }

    QRect characterRect(int offset) const override
    {
        const QLineEdit *e = field();
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
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { field()->setCursorPosition(end); }
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
