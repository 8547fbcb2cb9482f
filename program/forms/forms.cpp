// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

#include <cmath>

namespace forms {

// ---- Twips -----------------------------------------------------------------

namespace {

constexpr double twipsPerInch = 1440.0;

int toPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / twipsPerInch));
}

} // namespace

Twips Twips::of(const QWidget *w)
{
    const QScreen *s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return Twips{};
    return Twips{s->logicalDotsPerInchX(), s->logicalDotsPerInchY()};
}

int Twips::x(int twips) const
{
    return toPixels(twips, dpiX);
}

int Twips::y(int twips) const
{
    return toPixels(twips, dpiY);
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QRect Twips::rect(const QRect &twips) const
{
    return rect(twips.x(), twips.y(), twips.width(), twips.height());
}

QSize Twips::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

int Twips::perPixelX() const
{
    return int(std::nearbyint(twipsPerInch / dpiX));
}

void place(QWidget *w, const QRect &twips)
{
    w->setGeometry(Twips::of(w).rect(twips));
}

void setClientSize(QWidget *window, int width, int height)
{
    window->setFixedSize(Twips::of(window).size(width, height));
}

// ---- Windows ---------------------------------------------------------------

void setDialogTitleBar(QWidget *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QPoint centredOver(const QRect &ownerFrame, const QSize &size, int shiftLeft)
{
    return QPoint(ownerFrame.width() / 2 + ownerFrame.left() - size.width() / 2 - shiftLeft,
                  ownerFrame.height() / 2 + ownerFrame.top() - size.height() * 4 / 7);
}

// ---- Fonts -----------------------------------------------------------------

void installFontSubstitutions()
{
    struct Mapping {
        const char *family;
        const char *substitute;
    };
    static constexpr Mapping mappings[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"MS Serif", "Liberation Serif"},
        {"Book Antiqua", "Liberation Serif"},
        {"Fixedsys", "DejaVu Sans Mono"},
    };
    // insertSubstitution() skips a substitute the family already has.
    for (const Mapping &m : mappings)
        QFont::insertSubstitution(QString::fromLatin1(m.family), QString::fromLatin1(m.substitute));
}

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

// ---- Colours ---------------------------------------------------------------

void setTextColour(QWidget *w, const QColor &colour, WhenDisabled disabled)
{
    QPalette p = w->palette();
    if (disabled == WhenDisabled::SameColour) {
        p.setColor(QPalette::WindowText, colour);
    } else {
        p.setColor(QPalette::Active, QPalette::WindowText, colour);
        p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    }
    w->setPalette(p);
}

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFrame *line(QWidget *parent, const QString &name, const QRect &pixels, QPalette::ColorRole role)
{
    auto *l = new QFrame(parent);
    l->setObjectName(name);
    l->setGeometry(pixels);
    setBackground(l, l->palette().color(role));
    return l;
}

// ---- Builders --------------------------------------------------------------

QFrame *frame(QWidget *parent, const QString &name, const QRect &twips, Border border)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(border == Border::Etched ? QFrame::Box | QFrame::Sunken : QFrame::NoFrame);
    place(f, twips);
    return f;
}

QLabel *label(QWidget *parent, const QString &name, const QRect &twips, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!twips.isNull())
        place(l, twips);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QRect &twips,
                    const QString &caption, const QString &toolTip)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    place(b, twips);
    return b;
}

// ---- The program icon ------------------------------------------------------

QIcon programIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tundrik-%1.png").arg(size), QSize(size, size));
    return icon;
}

// ---- Buttons ---------------------------------------------------------------

void makeCancelButton(QWidget *window, QAbstractButton *cancel)
{
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, cancel, [cancel] {
        if (cancel->isEnabled())
            cancel->click();
    });
}

namespace {

class DragOffWatcher final : public QObject {
public:
    DragOffWatcher(QAbstractButton *button, std::function<void()> then)
        : QObject(button)
        , m_then(std::move(then))
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseMove)
            return false;
        auto *button = static_cast<QAbstractButton *>(watched);
        const auto *move = static_cast<QMouseEvent *>(event);
        const QPoint p = move->position().toPoint();
        const bool outside = p.x() < 0 || p.x() >= button->width() || p.y() < 0
                             || p.y() >= button->height();
        if (!outside || move->buttons() != Qt::LeftButton)
            return false;
        // A release outside the button ends its press without a click, so
        // the real release that follows finds nothing pressed. It goes to
        // the button alone (QObject::event is public), not on to its parents.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), move->globalPosition(),
                            Qt::LeftButton, Qt::NoButton, move->modifiers());
        static_cast<QObject *>(button)->event(&release);
        m_then();
        return true;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void onDragOff(QAbstractButton *button, std::function<void()> then)
{
    new DragOffWatcher(button, std::move(then));
}

// ---- Help ------------------------------------------------------------------

void setHelpTopic(QWidget *w, int context)
{
    w->setWhatsThis(helpTopic(context));
    w->setAccessibleDescription(w->whatsThis());
}

QMenu *helpMenu(QWidget *window, std::function<void()> whatIsThis)
{
    auto *whatsThisKey = new QShortcut(QKeySequence::WhatsThis, window);
    QObject::connect(whatsThisKey, &QShortcut::activated, window, [] { QWhatsThis::enterWhatsThisMode(); });
    auto *menu = new QMenu(QStringLiteral("Appi"), window);
    menu->setObjectName(QStringLiteral("mnuAbi"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuAbi"));
    auto *item = new QAction(QStringLiteral("&Mis see on?"), window);
    item->setObjectName(QStringLiteral("mnuAbiM"));
    menu->addAction(item);
    QObject::connect(item, &QAction::triggered, window, std::move(whatIsThis));
    return menu;
}

} // namespace forms
