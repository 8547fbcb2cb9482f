#include "formparts.h"

#include "main/twips.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace setup::form {

QFont font(const char *family, double points, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont sans(double points, bool bold)
{
    return font("MS Sans Serif", points, bold);
}

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(QRect(left, top, width, height), w));
}

QFrame *frame(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(f, left, top, width, height);
    return f;
}

QLabel *label(QWidget *parent, const QString &name, const QFont &font, int left, int top,
              int width, int height, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(l, left, top, width, height);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &toolTip, const QFont &font, int left, int top, int width,
                    int height)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    b->setFont(font);
    place(b, left, top, width, height);
    return b;
}

void setClientSize(QDialog *dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(twipsToPixelsX(width, dialog), twipsToPixelsY(height, dialog));
}

void makeCancelButton(QDialog *dialog, QPushButton *cancel)
{
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), dialog);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, cancel, [cancel] {
        if (cancel->isEnabled())
            cancel->click();
    });
}

namespace {

class DragOffFilter final : public QObject {
public:
    DragOffFilter(QPushButton *button, std::function<QWidget *()> target)
        : QObject(button)
        , m_target(std::move(target))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            auto *button = static_cast<QPushButton *>(watched);
            auto *move = static_cast<QMouseEvent *>(event);
            const QPoint p = move->position().toPoint();
            if ((move->buttons() & Qt::LeftButton)
                && (p.x() < 0 || p.x() >= button->width() || p.y() < 0 || p.y() >= button->height())) {
                if (QWidget *target = m_target(); target && button->hasFocus())
                    target->setFocus(Qt::MouseFocusReason);
            }
        }
        return false;
    }

private:
    std::function<QWidget *()> m_target;
};

} // namespace

void moveFocusWhenDraggedOff(QPushButton *button, std::function<QWidget *()> focusTarget)
{
    button->installEventFilter(new DragOffFilter(button, std::move(focusTarget)));
}

QPoint centredOver(const QRect &mainFrame, const QSize &dialogSize, int shiftLeft)
{
    return QPoint(mainFrame.width() / 2 + mainFrame.left() - dialogSize.width() / 2 - shiftLeft,
                  mainFrame.height() / 2 + mainFrame.top() - dialogSize.height() * 4 / 7);
}

} // namespace setup::form
