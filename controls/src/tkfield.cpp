// SPDX-License-Identifier: GPL-3.0-or-later
#include "tkfield.h"

#include "tkcontrol_p.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

TKField::TKField(TKControl::Private *owner, QWidget *parent)
    : QLineEdit(parent), m_owner(owner)
{
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setDragEnabled(false);
    setAcceptDrops(true);
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setMaxLength(32767);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_owner)
            m_owner->onFieldTextChanged(this);
    });
}

void TKField::setCharacterLimit(int limit)
{
    setMaxLength(limit > 0 ? limit : 32767);
}

bool TKField::tryPaste(const QString &text)
{
    if (isReadOnly() || !isEnabled() || !m_owner->canPaste(this, text))
        return false;
    m_owner->doPaste(this, text);
    return true;
}

QString TKField::clipboardText(bool selection) const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    if (selection) {
        if (!clipboard->supportsSelection())
            return {};
        return clipboard->text(QClipboard::Selection);
    }
    return clipboard->text(QClipboard::Clipboard);
}

bool TKField::event(QEvent *event)
{
    // Tab reaches the widget before keyPressEvent; the control may keep it.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab
            && !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
            if (m_owner->fieldTab(this)) {
                key->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TKField::typeCharacter(QChar c)
{
    // The characters a control may take have key codes equal to their own.
    Qt::Key key = Qt::Key_unknown;
    if (c >= u'0' && c <= u'9')
        key = Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
    else if (c == u'-')
        key = Qt::Key_Minus;
    applyKey(key);
}

void TKField::applyKey(Qt::Key key)
{
    if (!m_owner->fieldKey(this, key) || isReadOnly())
        return;
    if (key == Qt::Key_Backspace)
        backspace();
    else if (key == Qt::Key_Minus)
        insert(QStringLiteral("-"));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        insert(QString(QChar(u'0' + (key - Qt::Key_0))));
}

void TKField::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_owner->fieldKey(this, Qt::Key(event->key()));
        return;
    case Qt::Key_Backspace:
        if (!isReadOnly())
            applyKey(Qt::Key_Backspace);
        return;
    default:
        break;
    }
    if (event == QKeySequence::Paste) {
        tryPaste(clipboardText(false));
        return;
    }
    if (event == QKeySequence::Undo || event == QKeySequence::Redo)
        return; // an earlier text may break the limits that hold now
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        // Shortcuts: only those that move, select, copy or delete.
        static const QKeySequence::StandardKey allowed[] = {
            QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
            QKeySequence::Delete, QKeySequence::Deselect,
            QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
            QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
            QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar,
            QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
            QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine,
            QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock,
            QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
            QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
            QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
            QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock};
        for (QKeySequence::StandardKey k : allowed) {
            if (event == k) {
                QLineEdit::keyPressEvent(event);
                return;
            }
        }
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        for (QChar c : text)
            typeCharacter(c);
        return;
    }
    // Caret moves, selection, copy, cut and deleting: the field does them;
    // what is left after a deletion goes through the change processing.
    QLineEdit::keyPressEvent(event);
}

void TKField::inputMethodEvent(QInputMethodEvent *event)
{
    // Compositions are not shown; what an input method commits is typed
    // character by character, as from the keyboard.
    const QString commit = event->commitString();
    event->accept();
    if (commit.isEmpty())
        return;
    if (commit.size() == 1)
        typeCharacter(commit.at(0));
    else
        tryPaste(commit);
}

void TKField::contextMenuEvent(QContextMenuEvent *event)
{
    // The field's own menu: the clipboard's content is offered only when the
    // control would take it, and nothing on the menu restores older texts.
    QMenu menu(this);
    const bool editable = !isReadOnly() && isEnabled();
    const QString clip = clipboardText(false);

    QAction *cut = menu.addAction(tr("Lõika"));
    cut->setEnabled(editable && hasSelectedText());
    QAction *copy = menu.addAction(tr("Kopeeri"));
    copy->setEnabled(hasSelectedText());
    QAction *paste = menu.addAction(tr("Kleebi"));
    paste->setEnabled(editable && m_owner->canPaste(this, clip));
    QAction *remove = menu.addAction(tr("Kustuta"));
    remove->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    QAction *all = menu.addAction(tr("Vali kõik"));
    all->setEnabled(!text().isEmpty());

    QAction *chosen = menu.exec(event->globalPos());
    if (chosen == cut)
        this->cut();
    else if (chosen == copy)
        this->copy();
    else if (chosen == paste)
        tryPaste(clipboardText(false));
    else if (chosen == remove)
        del();
    else if (chosen == all)
        selectAll();
    event->accept();
}

void TKField::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TKField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        // The X11 selection paste: the same rules as any other paste.
        event->accept();
        if (clipboardText(true).isEmpty())
            return;
        tryPaste(clipboardText(true));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TKField::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_owner->fieldDoubleClicked(this)) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void TKField::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText() && !isReadOnly()
        && m_owner->canPaste(this, event->mimeData()->text())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TKField::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText() && !isReadOnly()
        && m_owner->canPaste(this, event->mimeData()->text())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TKField::dropEvent(QDropEvent *event)
{
    if (event->mimeData()->hasText() && tryPaste(event->mimeData()->text())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TKField::focusInEvent(QFocusEvent *event)
{
    // Entering by Tab does not select the text: a typed digit goes to the end.
    if (!m_owner)
        return QLineEdit::focusInEvent(event);
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    if (!hadSelection && hasSelectedText())
        deselect();
    m_owner->fieldFocusIn(this, event->reason());
}

void TKField::focusOutEvent(QFocusEvent *event)
{
    // The control sees the selection before the line edit drops it.
    if (m_owner)
        m_owner->fieldFocusOut(this, event->reason());
    QLineEdit::focusOutEvent(event);
}
