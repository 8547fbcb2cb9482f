// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "forms.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include <optional>

namespace {

// How a control is read, from the words of its "a11y" property.
enum Flag : unsigned {
    Readout = 1,         // name = "<role name>, <current text>"
    HideWhenEmpty = 2,   // a readout without text is left out of the tree
    Hidden = 4,          // a caption or unit already said by a readout's name
    Image = 8,           // a picture: named while it shows one, else left out
    TodayWhenItalic = 16, // a week label set in italic is the current week
    HolidayMarks = 32,   // a holiday row: red colour and the row's flag are said
    WeekdayHeader = 64,  // a three-letter weekday header reads as the whole name
};

struct Entry {
    QString name;
    unsigned flags = 0;
};

// What the widget says of itself where it was built: its accessible name
// and the words of its "a11y" property.
std::optional<Entry> ownEntry(const QWidget *w)
{
    const QVariant how = w->property(forms::accessibilityProperty);
    if (!how.isValid())
        return std::nullopt;
    static const QHash<QString, Flag> words = {
        {QStringLiteral("readout"), Readout},           {QStringLiteral("hideWhenEmpty"), HideWhenEmpty},
        {QStringLiteral("hidden"), Hidden},             {QStringLiteral("image"), Image},
        {QStringLiteral("todayWhenItalic"), TodayWhenItalic},
        {QStringLiteral("holidayMarks"), HolidayMarks}, {QStringLiteral("weekdayHeader"), WeekdayHeader},
    };
    Entry e{w->accessibleName(), 0};
    for (const QString &word : how.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        e.flags |= words.value(word, Flag(0));
    return e;
}

// A caption without its access-key marks: "&Lõpeta" reads "Lõpeta", "&&" one "&".
QString stripAmpersands(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text.at(i);
    }
    return out;
}

QString labelText(const QLabel *label)
{
    QString text = label->text();
    if (label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    }
    if (label->buddy())
        text = stripAmpersands(text);
    return text.trimmed();
}

QString weekdayOfHeader(const QString &abbreviation)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Püh"), QStringLiteral("Pühapäev")},
        {QStringLiteral("Esm"), QStringLiteral("Esmaspäev")},
        {QStringLiteral("Tei"), QStringLiteral("Teisipäev")},
        {QStringLiteral("Kol"), QStringLiteral("Kolmapäev")},
        {QStringLiteral("Nel"), QStringLiteral("Neljapäev")},
        {QStringLiteral("Ree"), QStringLiteral("Reede")},
        {QStringLiteral("Lau"), QStringLiteral("Laupäev")},
    };
    return names.value(abbreviation, abbreviation);
}

// The name of a label as it was told to be read, from its current text and looks.
QString labelName(const QLabel *label, const std::optional<Entry> &e)
{
    const QString text = labelText(label);
    if (!e || e->flags & Hidden)
        return text;
    if (e->flags & WeekdayHeader)
        return weekdayOfHeader(text);
    if (e->flags & Image)
        return label->pixmap().isNull() ? QString() : e->name;
    if (!(e->flags & Readout))
        return text;
    if (text.isEmpty())
        return e->flags & HideWhenEmpty ? QString() : e->name;
    QString name = e->name + QStringLiteral(", ") + text;
    if (e->flags & TodayWhenItalic && label->font().italic())
        name += QStringLiteral(", tänane nädal");
    if (e->flags & HolidayMarks) {
        // The red of a day off, whatever shade a dark desktop draws it in.
        if (forms::textColourOf(label) == forms::colour::red)
            name += QStringLiteral(", punane päev");
        // The flag cell of the row: lblKolmas -> imgKolmas.
        const auto *flag = label->parentWidget()
            ? label->parentWidget()->findChild<QLabel *>(QStringLiteral("img") + label->objectName().mid(3),
                                                         Qt::FindDirectChildrenOnly)
            : nullptr;
        // "lipupäev", or "leinalipp" for a mourning flag, as the cell names it.
        if (flag && !flag->pixmap().isNull())
            name += QStringLiteral(", ")
                + (flag->accessibleName().isEmpty() ? QStringLiteral("lipupäev") : flag->accessibleName());
    }
    return name;
}

// Labels: readouts say what they are and what they show.
class LabelInterface : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit LabelInterface(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // The label while it is whole: a widget being torn down is no label any more.
    QLabel *label() const { return qobject_cast<QLabel *>(object()); }
    bool isValid() const override { return label() != nullptr; }

    QAccessible::Role role() const override
    {
        const QLabel *l = label();
        if (l && !l->pixmap().isNull() && l->text().isEmpty())
            return QAccessible::Graphic;
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            // A name given without words of how to read it is the name.
            const std::optional<Entry> own = ownEntry(widget());
            if (!widget()->accessibleName().isEmpty() && (!own || own->flags == 0))
                return widget()->accessibleName();
            return labelName(label(), ownEntry(widget()));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        QAccessible::State s = QAccessibleWidget::state();
        if (const std::optional<Entry> e = ownEntry(widget())) {
            if (e->flags & Hidden)
                s.invisible = true;
            else if (e->flags & HideWhenEmpty && label()->text().isEmpty())
                s.invisible = true;
            else if (e->flags & Image && label()->pixmap().isNull())
                s.invisible = true;
        }
        return s;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        if (!isValid())
            return {};
        auto rels = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled) {
            if (QWidget *buddy = label()->buddy()) {
                if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(buddy))
                    rels.append({iface, QAccessible::Labelled});
            }
        }
        return rels;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString imageDescription() const override { return text(QAccessible::Name); }
    QSize imageSize() const override
    {
        if (!isValid())
            return {};
        const QPixmap p = label()->pixmap();
        return p.isNull() ? QSize() : p.deviceIndependentSize().toSize();
    }
    QPoint imagePosition() const override { return rect().topLeft(); }
};

// Buttons and check boxes: the name given where the button is built, which
// says the caption (and, where the caption alone says little, what pressing
// does), else the caption.
class ButtonInterface : public QAccessibleWidget {
public:
    explicit ButtonInterface(QAbstractButton *button) : QAccessibleWidget(button, roleOf(button)) {}

    // The button while it is whole: a widget being torn down is no button any more.
    QAbstractButton *button() const { return qobject_cast<QAbstractButton *>(object()); }
    bool isValid() const override { return button() != nullptr; }

    static QAccessible::Role roleOf(const QAbstractButton *b)
    {
        if (qobject_cast<const QCheckBox *>(b))
            return QAccessible::CheckBox;
        if (qobject_cast<const QRadioButton *>(b))
            return QAccessible::RadioButton;
        return QAccessible::PushButton;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name: {
            // The name given where the button was built, else its caption.
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return stripAmpersands(button()->text());
        }
        case QAccessible::Accelerator: {
            const QKeySequence key = QKeySequence::mnemonic(button()->text());
            return key.isEmpty() ? QString() : key.toString(QKeySequence::NativeText);
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        QAccessible::State s = QAccessibleWidget::state();
        const QAbstractButton *b = button();
        if (b->isCheckable())
            s.checkable = true;
        if (const auto *box = qobject_cast<const QCheckBox *>(b)) {
            if (box->checkState() == Qt::PartiallyChecked)
                s.checkStateMixed = true;
            else if (box->checkState() == Qt::Checked)
                s.checked = true;
        } else if (b->isChecked()) {
            s.checked = true;
        }
        if (b->isDown())
            s.pressed = true;
        if (const auto *push = qobject_cast<const QPushButton *>(b); push && push->isDefault())
            s.defaultButton = true;
        return s;
    }

    QStringList actionNames() const override
    {
        if (!isValid())
            return {};
        QStringList names;
        if (widget()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (!isValid() || !widget()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (!isValid())
            return {};
        if (action == pressAction() || action == toggleAction()) {
            const QString key = text(QAccessible::Accelerator);
            if (!key.isEmpty())
                return {key};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// Labels and buttons get the interfaces above whatever their names: a
// widget may be asked for before its objectName is set, and the interface
// made then stays, so the name is read when it is asked for, not here.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (className == QLatin1String("QLabel"))
        return new LabelInterface(static_cast<QLabel *>(w));
    if (className == QLatin1String("QPushButton")) {
        auto *b = static_cast<QPushButton *>(w);
        return b->menu() ? nullptr : new ButtonInterface(b);
    }
    if (className == QLatin1String("QCheckBox") || className == QLatin1String("QRadioButton"))
        return new ButtonInterface(static_cast<QAbstractButton *>(w));
    return nullptr;
}

} // namespace

namespace accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

QString tableName(const QWidget *widget)
{
    return widget ? widget->accessibleName() : QString();
}

} // namespace accessibility
