// SPDX-License-Identifier: GPL-3.0-or-later
// The single-line text field of the controls. Every way text can enter it
// (keys, paste by shortcut or menu, middle-click, drag and drop, input
// methods) goes through the owning control's rules; the clipboard is only
// read, never changed except by Cut and Copy.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QLineEdit>

class TKField final : public QLineEdit
{
    Q_OBJECT

public:
    // The field of a control; owner is the control's private part, which
    // the field hands every key, change, focus move, click and paste.
    TKField(TKControl::Private *owner, QWidget *parent);

    // Offers text to the field as a paste; true when the control took it.
    bool tryPaste(const QString &text);
    // The character limit as the controls see it: 0 means none.
    void setCharacterLimit(int limit);
    // Called by the control as it is destroyed: from then on the field is a
    // plain line edit, so focus moves during the destruction reach nothing dead.
    void detachOwner() { m_owner = nullptr; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void typeCharacter(QChar c);
    void applyKey(Qt::Key key);
    QString clipboardText(bool selection) const;

    TKControl::Private *m_owner;
};
