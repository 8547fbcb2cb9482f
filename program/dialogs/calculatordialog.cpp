// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculatordialog.h"

#include "calculatorrules.h"
#include "errors.h"
#include "forms.h"
#include "framewidgets.h"
#include "modarvutused.h"
#include "windowhost.h"

#include <tundkast/tkkuupkast.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QWhatsThis>


namespace {

CalculatorDialog::Confirm &confirmFunction()
{
    static CalculatorDialog::Confirm confirm;
    return confirm;
}

QMessageBox::StandardButton defaultConfirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tundrik"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void CalculatorDialog::setConfirm(Confirm confirm)
{
    confirmFunction() = std::move(confirm);
}

QMessageBox::StandardButton CalculatorDialog::askConfirm(QWidget *parent, const QString &text)
{
    if (confirmFunction())
        return confirmFunction()(parent, text);
    return defaultConfirm(parent, text);
}

CalculatorDialog::CalculatorDialog(tundrik::WindowHost *host, const QString &objectName,
                                   QSize innerTwips, Placement placement, const Texts &texts,
                                   QWidget *parent)
    : QDialog(parent ? parent : host ? host->hostWindow() : nullptr),
      m_host(host),
      m_placement(placement),
      m_texts(texts)
{
    setObjectName(objectName);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(forms::sans(8.25));
    forms::setClientSize(this, innerTwips.width(), innerTwips.height());
}

CalculatorDialog::~CalculatorDialog()
{
    unload();
    // The input boxes must not see their field lose the focus while they
    // are being destroyed; let it go while every control is whole.
    if (QWidget *f = focusWidget())
        f->clearFocus();
}

void CalculatorDialog::setBuddy(QLabel *label, QWidget *box)
{
    label->setBuddy(box->focusProxy() ? box->focusProxy() : box);
}

QLabel *CalculatorDialog::addLabel(QWidget *parent, const QString &name, QRect twips,
                                   const QString &text)
{
    QLabel *l = forms::label(parent, name, twips, text);
    if (l->sizeHint().width() > l->width())
        l->resize(l->sizeHint().width(), l->height());
    return l;
}

QLabel *CalculatorDialog::addRangeLabel(QWidget *parent, const QString &name, QRect twips,
                                        const QString &text)
{
    QLabel *l = addLabel(parent, name, twips, text);
    forms::setTextColour(l, forms::colour::darkRed);
    return l;
}

void CalculatorDialog::buildCommon(const CommonLayout &layout)
{
    m_fraRaam = forms::frame(this, QStringLiteral("fraRaam"), layout.raam);
    m_fraSisesta = forms::frame(m_fraRaam, QStringLiteral("fraSisesta"), layout.sisesta);
    m_fraVastus = forms::frame(m_fraRaam, QStringLiteral("fraVastus"), layout.vastus);
    m_lblVastus = addLabel(m_fraVastus, QStringLiteral("lblVastus"), layout.lblVastus, QString());
    m_lblVastus->setFont(forms::sans(9.75, true));
    m_lblVastus->setAlignment(Qt::AlignCenter);
    forms::setTextColour(m_lblVastus, forms::colour::darkBlue);
    m_answerWidth = m_lblVastus->width();

    // The answer can be taken away: Ctrl+C (where no text field takes it for
    // its own selection) and the answer's menu copy it as it is shown.
    m_mnuVastus = new QMenu(this);
    m_mnuVastus->setObjectName(QStringLiteral("mnuVastus"));
    QAction *copy = m_mnuVastus->addAction(QStringLiteral("&Kopeeri"));
    copy->setObjectName(QStringLiteral("mnuVastusKopeeri"));
    connect(copy, &QAction::triggered, this, &CalculatorDialog::copyAnswer);
    m_lblVastus->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_lblVastus, &QWidget::customContextMenuRequested, this, [this, copy](const QPoint &pos) {
        copy->setEnabled(!m_lblVastus->text().isEmpty());
        m_mnuVastus->popup(m_lblVastus->mapToGlobal(pos));
    });
    auto *copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &CalculatorDialog::copyAnswer);
}

void CalculatorDialog::copyAnswer()
{
    const QString text = m_lblVastus->text();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void CalculatorDialog::announceAnswer()
{
    // A screen reader reads a new description of the control that has the
    // focus (cmdArvuta, once an answer stands); the answer label itself
    // changes where no one is looking.
    const QString text = m_lblVastus->text();
    m_cmdArvuta->setAccessibleDescription(text.isEmpty() ? QString()
                                                         : QStringLiteral("Vastus: ") + text);
}

void CalculatorDialog::buildButtons(const CommonLayout &layout)
{
    using forms::Border;
    m_fraLopeta = forms::frame(this, QStringLiteral("fraLõpeta"), layout.lopetaFrame, Border::None);
    m_fraArvuta = forms::frame(this, QStringLiteral("fraArvuta"), layout.arvutaFrame, Border::None);

    m_cmdArvuta = forms::widget<QPushButton>(m_fraArvuta, QStringLiteral("cmdArvuta"),
                                             QRect(240, 240, 1455, 495));
    m_cmdArvuta->setText(m_texts.compute);
    m_cmdArvuta->setFont(forms::sans(12));
    m_cmdArvuta->setEnabled(false);
    m_cmdArvuta->setFocusPolicy(Qt::StrongFocus);
    m_cmdArvuta->setAutoDefault(true);
    if (!m_texts.clearTip.isEmpty())
        m_cmdArvuta->setToolTip(QStringLiteral(" Arvuta vastus (Enter) "));
    connect(m_cmdArvuta, &QPushButton::clicked, this, [this] { computeOrClear(); });

    m_cmdLopeta = forms::widget<QPushButton>(m_fraLopeta, QStringLiteral("cmdLõpeta"),
                                             QRect(120, 240, 1455, 495));
    m_cmdLopeta->setText(QStringLiteral("&Lõpeta"));
    m_cmdLopeta->setToolTip(QStringLiteral(" Sule aken (Esc) "));
    m_cmdLopeta->setFocusPolicy(Qt::ClickFocus);
    m_cmdLopeta->setAutoDefault(false);
    connect(m_cmdLopeta, &QPushButton::clicked, this, &QDialog::reject);
    forms::onDragOff(m_cmdLopeta, [this] { focusTo(closeFocusTarget()); });
}

FrameCheckBox *CalculatorDialog::addJulianBox(const QString &frameName, const QString &boxName,
                                              QRect frameTwips, QRect boxTwips, int helpContext,
                                              bool startLocked, const QString &caption)
{
    QFrame *frame = forms::frame(this, frameName, frameTwips, forms::Border::None);
    auto *box = forms::widget<FrameCheckBox>(frame, boxName, boxTwips);
    box->setText(caption);
    box->setFont(forms::sans(9.75));
    box->setProperty("helpContext", helpContext);
    forms::setHelpTopic(box, helpContext);
    if (startLocked) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        box->setTag(QStringLiteral("KEELA"));
    }
    if (!m_mnuAbi) {
        m_mnuAbi = forms::helpMenu(this, [this] {
            if (!m_helpBox)
                return;
            const QPoint at = m_helpBox->mapToGlobal(QPoint(0, m_helpBox->height()));
            QWhatsThis::showText(at, m_helpBox->whatsThis(), m_helpBox);
        });
    }
    return box;
}

void CalculatorDialog::addGregorius(QRect frameTwips, QRect toggleTwips, int answerWidthPixels,
                                    int narrowedWidthPixels, const QString &questionFirstLine)
{
    m_fraGregorius = forms::frame(this, QStringLiteral("fraGregorius"), frameTwips, forms::Border::None);
    m_chkGregorius = forms::widget<QPushButton>(m_fraGregorius, QStringLiteral("chkGregorius"), toggleTwips);
    m_chkGregorius->setText(QStringLiteral("G"));
    m_chkGregorius->setFont(forms::font("Book Antiqua", 12, true));
    m_chkGregorius->setCheckable(true);
    m_chkGregorius->setChecked(false);
    m_chkGregorius->setFocusPolicy(Qt::NoFocus);
    m_chkGregorius->setAutoDefault(false);
    m_fraGregorius->hide();
    // Widths of the answer in pixels of a 96-DPI screen (15 twips each).
    const forms::Twips twips = forms::Twips::of(this);
    m_answerWidth = twips.x(answerWidthPixels * 15);
    m_narrowedWidth = twips.x(narrowedWidthPixels * 15);
    m_questionFirstLine = questionFirstLine;
    forms::onDragOff(m_chkGregorius, [this] { focusTo(m_cmdArvuta); });
    connect(m_chkGregorius, &QPushButton::clicked, this, [this] { gregoriusReleased(); });
}

void CalculatorDialog::showGregorius(bool show)
{
    if (!m_fraGregorius)
        return;
    m_fraGregorius->setVisible(show);
    m_lblVastus->resize(show ? m_narrowedWidth : m_answerWidth, m_lblVastus->height());
}

void CalculatorDialog::gregoriusReleased()
{
    if (m_chkGregorius->isChecked()) {
        const QString text = m_questionFirstLine + QStringLiteral("\n")
                             + QStringLiteral("mil gregooriuse kalendrit ei olnud veel.")
                             + QStringLiteral("\n\n")
                             + QStringLiteral("Kas soovid ikka gregooriuse kalendri järgi arvutada?");
        if (askConfirm(this, text) == QMessageBox::Yes)
            showGregorianAnswer(true);
        else
            m_chkGregorius->setChecked(false);
    } else {
        showGregorianAnswer(false);
    }
    announceAnswer();
    focusTo(m_cmdArvuta);
}

void CalculatorDialog::showGregorianAnswer(bool) {}

void CalculatorDialog::setFlag(bool shown)
{
    m_answerShown = shown;
}

void CalculatorDialog::focusTo(QWidget *w)
{
    if (!w || !w->isEnabled() || !w->isVisibleTo(w->window()))
        return;
    // Already inside the box (the caret in its year field): typing goes on
    // there, rather than from the box's first field.
    const QWidget *f = QApplication::focusWidget();
    if (f && w->isAncestorOf(f))
        return;
    w->setFocus(Qt::OtherFocusReason);
}

void CalculatorDialog::computeOrClear()
{
    if (!answerShown()) {
        if (m_chkGregorius && inputBeforeReform())
            showGregorius(true);
        setFlag(true);
        // A date of the Julian calendar only has no other reading to show:
        // its box keeps its check while the answer stands.
        for (auto it = m_julianDates.cbegin(); it != m_julianDates.cend(); ++it)
            it.key()->setRefuseClicks(it.value() && validOnlyInJulianReading(it.value()));
        m_cmdArvuta->setText(m_texts.clear);
        if (!m_texts.clearTip.isEmpty())
            m_cmdArvuta->setToolTip(m_texts.clearTip);
        m_fraSisesta->setEnabled(false);
        safeShowAnswer();
        // Disabling the inputs took the focus from the box that had it.
        keepFocus(m_cmdArvuta);
    } else {
        setFlag(false);
        for (FrameCheckBox *box : m_julianDates.keys())
            box->setRefuseClicks(false);
        m_lblVastus->clear();
        if (m_chkGregorius) {
            // A toggle left pressed would stand beside the next answer,
            // which is first computed in the Julian reading.
            showGregorius(false);
            m_chkGregorius->setChecked(false);
        }
        m_cmdArvuta->setText(m_texts.compute);
        if (!m_texts.clearTip.isEmpty())
            m_cmdArvuta->setToolTip(QStringLiteral(" Arvuta vastus (Enter) "));
        m_fraSisesta->setEnabled(true);
        announceAnswer();
        clearInputs();
        // Every box is empty: typing starts in the first box's first field,
        // wherever the caret was before the answer.
        focusFirstField(focusTarget());
    }
}

void CalculatorDialog::focusFirstField(QWidget *target)
{
    if (auto *date = qobject_cast<TKKuupKast *>(target); date && date->isEnabled())
        date->TKFocusInValidation();
    else
        focusTo(target);
}

void CalculatorDialog::keepFocus(QWidget *fallback)
{
    const QWidget *f = QApplication::focusWidget();
    if (!f || !isAncestorOf(f) || !f->isEnabled())
        focusTo(fallback);
}

void CalculatorDialog::pressArvuta()
{
    if (m_cmdArvuta->isEnabled())
        m_cmdArvuta->click();
}

void CalculatorDialog::recomputeOrFocus()
{
    if (answerShown()) {
        safeShowAnswer();
        focusTo(m_cmdArvuta);
    } else {
        focusTo(focusTarget());
    }
}

bool CalculatorDialog::runArithmetic(const std::function<void()> &step) const
{
    try {
        step();
        return true;
    } catch (const tundrik::CalcError &) {
        return false;
    } catch (const std::exception &e) {
        // Not a refusal of the arithmetic: no memory, or a fault of the
        // program. It goes on; a debug build says first where it came from.
#ifndef QT_NO_DEBUG
        qWarning("%s: %s", qPrintable(objectName()), e.what());
#else
        Q_UNUSED(e);
#endif
        throw;
    }
}

void CalculatorDialog::safeShowAnswer()
{
    if (!runArithmetic([this] { showAnswer(); }))
        m_lblVastus->clear();
    announceAnswer();
}

void CalculatorDialog::setAnswer(const std::function<QString()> &text)
{
    QString answer;
    if (runArithmetic([&] { answer = text(); }))
        m_lblVastus->setText(answer);
    else
        m_lblVastus->clear();
}

void CalculatorDialog::lockJulianBox(FrameCheckBox *box, bool beforeReform)
{
    if (m_userReading)
        return;
    TKKuupKast *date = m_julianDates.value(box);
    // The tag first: a new state may change the date's reading, and the
    // change that follows from it sets the box anew.
    if (beforeReform) {
        box->setTag(QStringLiteral("KEELA"));
        box->setCheckState(Qt::PartiallyChecked);
    } else if (date && validOnlyInJulianReading(date)) {
        box->setTag(QStringLiteral("LUBA"));
        box->setCheckState(Qt::Checked);
    } else {
        box->setTag(QStringLiteral("LUBA"));
        box->setCheckState(Qt::Unchecked);
    }
}

void CalculatorDialog::pairJulianBox(FrameCheckBox *box, TKKuupKast *date)
{
    m_julianDates.insert(box, date);
    date->setTKJuliuseKalender(julianReading(box));
    connect(box, &QCheckBox::stateChanged, this, [this, box, date] {
        // A click chooses the reading, and the lock rule leaves the choice
        // standing even when the date is then no date of that calendar.
        const QScopedValueRollback<bool> user(m_userReading, m_userReading || box->userToggling());
        date->setTKJuliuseKalender(julianReading(box));
    });
}

bool CalculatorDialog::validOnlyInJulianReading(TKKuupKast *date)
{
    // TKKuupaev is 0.0 for a text that is no Gregorian date (and for 30.12.1899).
    if (!date->TKKuupaevOige() || !date->TKJuliuseKalender() || date->TKKuupaev() != 0.0)
        return false;
    const datevalue::Ymd j = modArvutused::ToJulianCalendar(date->TKKuupaevGr());
    return calculators::OnlyJulianDate(j.year, j.month, j.day);
}

bool CalculatorDialog::julianReading(const FrameCheckBox *box)
{
    return box->checkState() != Qt::Unchecked;
}

void CalculatorDialog::connectJulianBox(FrameCheckBox *box, FrameCheckBox *helpBox)
{
    m_helpBox = helpBox;
    connect(box, &FrameCheckBox::mousePressed, this, [this, box](Qt::MouseButton, const QPoint &) {
        if (box->locked())
            focusTo(focusTarget());
    });
    connect(box, &FrameCheckBox::mouseReleased, this,
            [this, box, helpBox](Qt::MouseButton button, const QPoint &globalPos) {
                if (button == Qt::RightButton) {
                    showHelpMenu(helpBox, globalPos);
                } else if (!box->locked()) {
                    julianBoxToggled(box);
                    recomputeOrFocus();
                }
            });
}

void CalculatorDialog::showHelpMenu(FrameCheckBox *helpBox, const QPoint &globalPos)
{
    m_helpBox = helpBox;
    if (m_mnuAbi)
        m_mnuAbi->popup(globalPos);
}

void CalculatorDialog::showEvent(QShowEvent *event)
{
    if (!m_opened) {
        m_opened = true;
        placeAtHost();
        if (m_host) {
            m_host->borrowCaption(windowTitle());
            m_host->setCloseButtonEnabled(false);
        }
    }
    QDialog::showEvent(event);
}

void CalculatorDialog::placeAtHost()
{
    const int width = frameGeometry().width();
    if (!m_host) {
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
        return;
    }
    const QRect outer = m_host->hostWindow()->frameGeometry();
    const int top = outer.top() + (outer.height() - m_host->innerHeight()) / 2;
    int left = outer.left();
    switch (m_placement) {
    case Placement::Centred:
        left = outer.left() + outer.width() / 2 - width / 2;
        break;
    case Placement::CentredLessOnePixel:
        left = outer.left() + outer.width() / 2 - width / 2 - 1;
        break;
    case Placement::HostLeft:
        break;
    }
    move(left, top);
}

void CalculatorDialog::done(int result)
{
    unload();
    QDialog::done(result);
}

void CalculatorDialog::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_answerShown = false;
    if (m_host && m_opened) {
        m_host->setCloseButtonEnabled(true);
        m_host->restoreCaption();
    }
}
