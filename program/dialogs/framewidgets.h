// SPDX-License-Identifier: GPL-3.0-or-later
// The check box of the calculator frame: a mouse-only check box whose
// presses a dialog can refuse (the lock of the Julian boxes, the operation
// and unit boxes that the dialog sets itself).
#pragma once

#include <QCheckBox>

// A check box that the mouse changes, and that a click from elsewhere (its
// access key, Space while it has the focus, an accessibility action) changes
// the same way: such a click is reported as a left-button press and release.
// Every press is reported before anything else happens, every release after
// the box has (or has not) toggled. A box is refused, so that presses never
// toggle it, while its tag is "KEELA" or while refuseClicks is set. A click
// toggles between unchecked and checked; the grayed state is set only by
// code. It takes no focus unless its dialog makes it a tab stop, and shows no
// context menu of its own (its dialog answers the right button's release).
class FrameCheckBox : public QCheckBox {
    Q_OBJECT
    // The lock text: "KEELA" (clicks are ignored), "LUBA" (free) or empty.
    Q_PROPERTY(QString tag READ tag WRITE setTag)
public:
    explicit FrameCheckBox(QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    bool locked() const;

    // Presses never toggle the box; the dialog sets its state on release.
    void setRefuseClicks(bool refuse) { m_refuseClicks = refuse; }

    // True while a click is toggling the box (its state is changing because
    // the user asked for it, not because the dialog set it).
    bool userToggling() const { return m_userToggling; }

    // A click from the keyboard or an assistive tool: the press, the toggle
    // (unless refused) and the release, as a left-button click reports them.
    void activate();

signals:
    void mousePressed(Qt::MouseButton button, const QPoint &globalPos);
    void mouseReleased(Qt::MouseButton button, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Unchecked <-> checked, marked as the user's doing.
    void toggleByUser();

    QString m_tag;
    bool m_refuseClicks = false;
    bool m_refused = false; // the current press was kept from the box
    bool m_userToggling = false;
    bool m_mouseRelease = false; // inside the mouse release's own click
};
