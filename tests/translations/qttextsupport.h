// SPDX-License-Identifier: GPL-3.0-or-later
// What the Estonian-only tests need: the catalog of Qt's texts read from its
// source file, a translator that notes every text Qt asks to have translated,
// the texts a window shows and tells an assistive technology, and steps that
// run while a modal window or a pop-up menu is open.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QXmlStreamReader>

#include <functional>

namespace qttexts {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "" when finished; "unfinished", "obsolete", "vanished" otherwise
};

// Every message of a Qt Linguist .ts file; an empty list when it cannot be read.
inline QList<Message> readCatalog(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            messages << m;
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
        return {};
    }
    return messages;
}

// A label as the user reads it: without the access-key marks ("&&" is a "&").
inline QString withoutAccessKeys(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

// Answers nothing; notes every (context, source) Qt asks for. Installed last,
// so it is asked first and every request passes on to the other translators.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (context && sourceText)
            requests.insert({QString::fromUtf8(context), QString::fromUtf8(sourceText)});
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QSet<std::pair<QString, QString>> requests;
};

// One text on screen or in the accessibility tree, and where it was found.
struct Shown {
    QString text;
    QString where;
};

inline QString describe(const QObject *o)
{
    if (!o)
        return QStringLiteral("nothing");
    const QString name = o->objectName();
    return QString::fromLatin1(o->metaObject()->className())
        + (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
}

inline void addText(QList<Shown> &out, const QString &text, const QString &where)
{
    if (text.trimmed().isEmpty())
        return;
    // Menu items carry their shortcut after a tab; each part is read on its own.
    for (const QString &part : text.split(QLatin1Char('\t')))
        if (!part.trimmed().isEmpty())
            out << Shown{part, where};
}

inline void collectActions(QList<Shown> &out, const QList<QAction *> &actions, const QString &where)
{
    for (QAction *a : actions) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        const QString here = where + QStringLiteral(" > ") + withoutAccessKeys(a->text());
        addText(out, a->text(), here);
        addText(out, a->toolTip(), here + QStringLiteral(" (tooltip)"));
        addText(out, a->whatsThis(), here + QStringLiteral(" (What's This)"));
        addText(out, a->shortcut().toString(QKeySequence::NativeText), here + QStringLiteral(" (shortcut)"));
        if (QMenu *sub = a->menu()) {
            addText(out, sub->title(), here);
            collectActions(out, sub->actions(), here);
        }
    }
}

// Name, description, value and help of every node of the accessibility tree
// under iface, and the names and descriptions of the actions each offers.
inline void collectAccessible(QList<Shown> &out, QAccessibleInterface *iface, const QString &where,
                              int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40 || iface->state().invisible)
        return;
    const QString here = where + QStringLiteral(" / ") + iface->text(QAccessible::Name);
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                QAccessible::Help, QAccessible::Accelerator})
        addText(out, iface->text(t), here + QStringLiteral(" (accessible)"));
    if (QAccessibleActionInterface *actions = iface->actionInterface()) {
        for (const QString &action : actions->actionNames()) {
            addText(out, actions->localizedActionName(action), here + QStringLiteral(" (action)"));
            addText(out, actions->localizedActionDescription(action),
                    here + QStringLiteral(" (action description)"));
            for (const QString &key : actions->keyBindingsForAction(action))
                addText(out, key, here + QStringLiteral(" (action key)"));
        }
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectAccessible(out, iface->child(i), where, depth + 1);
}

// Every text the window and its shown children show or tell: titles, labels,
// buttons, menus and their items, tooltips, What's This texts, accessible
// names and descriptions, through the widgets and through the accessibility tree.
inline QList<Shown> collectTexts(QWidget *window)
{
    QList<Shown> out;
    const QString where = describe(window);
    addText(out, window->windowTitle(), where + QStringLiteral(" (title)"));
    QList<QWidget *> widgets{window};
    widgets += window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w != window && !w->isVisibleTo(window))
            continue;
        const QString here = where + QStringLiteral(" / ") + describe(w);
        if (auto *label = qobject_cast<QLabel *>(w))
            addText(out, label->text(), here);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            addText(out, button->text(), here);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            addText(out, edit->text(), here);
            addText(out, edit->placeholderText(), here + QStringLiteral(" (placeholder)"));
        }
        addText(out, w->toolTip(), here + QStringLiteral(" (tooltip)"));
        addText(out, w->whatsThis(), here + QStringLiteral(" (What's This)"));
        addText(out, w->statusTip(), here + QStringLiteral(" (status tip)"));
        addText(out, w->accessibleName(), here + QStringLiteral(" (accessible name)"));
        addText(out, w->accessibleDescription(), here + QStringLiteral(" (accessible description)"));
        if (auto *bar = qobject_cast<QMenuBar *>(w))
            collectActions(out, bar->actions(), here);
        if (auto *menu = qobject_cast<QMenu *>(w)) {
            addText(out, menu->title(), here);
            collectActions(out, menu->actions(), here);
        }
        // Actions a widget offers in its context menu.
        if (w->contextMenuPolicy() == Qt::ActionsContextMenu)
            collectActions(out, w->actions(), here);
    }
    collectAccessible(out, QAccessible::queryAccessibleInterface(window), where);
    return out;
}

// Runs step once with the first shown modal window of the given class or
// object name that is active (the openers let events run before they show their windows),
// then closes it if step left it open.
inline void whenModal(const char *className, std::function<void(QWidget *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, className, step] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !(w->inherits(className) || w->objectName() == QString::fromUtf8(className))
            || !w->isVisible())
            return;
        if (QApplication::activeWindow() != w) {
            // Without a window manager a new window may stay inactive when
            // the display is busy; a user would click it.
            w->activateWindow();
            return;
        }
        timer->stop();
        timer->deleteLater();
        const QPointer<QWidget> shown(w);
        step(w);
        if (shown && shown->isVisible())
            shown->close();
    });
    timer->start();
}

// The same for the pop-up menu that opens next.
inline void whenPopup(std::function<void(QMenu *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        const QPointer<QMenu> shown(menu);
        step(menu);
        if (shown && shown->isVisible())
            shown->close();
    });
    timer->start();
}

} // namespace qttexts

Q_DECLARE_METATYPE(qttexts::Message)
