// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

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

namespace {

// Relative luminance of WCAG 2 from the sRGB channels.
double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
        + 0.0722 * channel(rgb.blueF());
}

constexpr double readableContrast = 4.5;

// The colours a widget was given, kept on the widget and applied again
// whenever its palette or the palette it inherits changes.
class PartColours : public QObject {
public:
    explicit PartColours(QWidget *w) : QObject(w), m_widget(w)
    {
        setObjectName(QStringLiteral("qt_partcolours"));
        w->installEventFilter(this);
    }

    static PartColours *of(QWidget *w)
    {
        if (auto *p = find(w))
            return p;
        return new PartColours(w);
    }
    static PartColours *find(const QWidget *w)
    {
        return w->findChild<PartColours *>(QStringLiteral("qt_partcolours"), Qt::FindDirectChildrenOnly);
    }

    std::optional<QColor> text;
    std::optional<QPalette::ColorRole> textRole;
    WhenDisabled whenDisabled = WhenDisabled::SameColour;
    std::optional<QColor> background;

    void apply()
    {
        if (m_applying)
            return;
        m_applying = true;
        QWidget *w = m_widget;
        const QPalette inherited =
            w->parentWidget() ? w->parentWidget()->palette() : QApplication::palette(w);
        const bool dark = isDark(inherited);
        QPalette p = w->palette();
        if (background) {
            p.setColor(QPalette::Window, backgroundShade(*background, dark));
            w->setAutoFillBackground(true);
        }
        if (text || textRole) {
            const QColor given = textRole ? inherited.color(QPalette::Active, *textRole) : *text;
            const QColor drawnOn = background ? p.color(QPalette::Window) : drawnBackground(w);
            const QColor shade = textShade(given, drawnOn, dark);
            if (whenDisabled == WhenDisabled::SameColour) {
                p.setColor(QPalette::WindowText, shade);
            } else {
                p.setColor(QPalette::Active, QPalette::WindowText, shade);
                p.setColor(QPalette::Inactive, QPalette::WindowText, shade);
            }
        }
        w->setPalette(p);
        m_applying = false;
    }

    QColor givenText() const
    {
        if (textRole) {
            const QWidget *w = m_widget;
            const QPalette inherited =
                w->parentWidget() ? w->parentWidget()->palette() : QApplication::palette(w);
            return inherited.color(QPalette::Active, *textRole);
        }
        return text.value_or(QColor());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
        case QEvent::ParentChange:
            if (watched == m_widget)
                apply();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_widget;
    bool m_applying = false;
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QPalette &palette)
{
    return luminance(palette.color(QPalette::Active, QPalette::Window))
        < luminance(palette.color(QPalette::Active, QPalette::WindowText));
}

QColor textShade(const QColor &colour, const QColor &background, bool dark)
{
    if (!dark || contrastRatio(colour, background) >= readableContrast)
        return colour;
    // Lighter in steps of HSL lightness, hue and saturation kept; white (the
    // last step) reads on every background dark enough to be a dark palette's.
    float h = 0, s = 0, l = 0, a = 0;
    colour.toHsl().getHslF(&h, &s, &l, &a);
    for (int step = int(std::ceil(l * 100)); step <= 100; ++step) {
        const QColor shade = QColor::fromHslF(h, s, step / 100.0f, a).toRgb();
        if (contrastRatio(shade, background) >= readableContrast)
            return shade;
    }
    return QColor(Qt::white);
}

QColor backgroundShade(const QColor &colour, bool dark)
{
    if (!dark)
        return colour;
    float h = 0, s = 0, l = 0, a = 0;
    colour.toHsl().getHslF(&h, &s, &l, &a);
    return QColor::fromHslF(h, s, 1.0f - l, a).toRgb();
}

QColor drawnBackground(const QWidget *w)
{
    for (const QWidget *x = w; x; x = x->parentWidget()) {
        if (x->autoFillBackground() || x->isWindow())
            return x->palette().color(QPalette::Active, x->backgroundRole());
    }
    return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

void setTextColour(QWidget *w, const QColor &colour, WhenDisabled disabled)
{
    PartColours *p = PartColours::of(w);
    p->text = colour;
    p->textRole.reset();
    p->whenDisabled = disabled;
    p->apply();
}

void setTextColour(QWidget *w, QPalette::ColorRole role, WhenDisabled disabled)
{
    PartColours *p = PartColours::of(w);
    p->text.reset();
    p->textRole = role;
    p->whenDisabled = disabled;
    p->apply();
}

QColor textColourOf(const QWidget *w)
{
    const PartColours *p = PartColours::find(w);
    return p ? p->givenText() : QColor();
}

void setBackground(QWidget *w, const QColor &colour)
{
    PartColours *p = PartColours::of(w);
    p->background = colour;
    p->apply();
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

// ---- Screen readers --------------------------------------------------------

void tell(QWidget *w, const QString &name, const QString &how)
{
    w->setAccessibleName(name);
    w->setProperty(accessibilityProperty, how.isEmpty() ? QVariant() : QVariant(how));
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
