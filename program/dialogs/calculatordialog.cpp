// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculatordialog.h"

#include "answerdisplay.h"
#include "errors.h"
#include "forms.h"
#include "framewidgets.h"
#include "julianboxes.h"
#include "windowhost.h"

#include <tundkast/tkkuupkast.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QWhatsThis>

CalculatorDialog::CalculatorDialog(tundrik::WindowHost *host, Placement placement, const Texts &texts,
                                   QWidget *parent)
    : QDialog(parent     ? parent
                  : host ? host->hostWindow()
                         : nullptr)
    , m_host(host, placement)
    , m_texts(texts)
    , m_julianBoxes(new JulianBoxes(this))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
}

CalculatorDialog::~CalculatorDialog()
{
    unload();
    // The input boxes must not see their field lose the focus while they
    // are being destroyed; let it go while every control is whole.
    if (QWidget *f = focusWidget())
        f->clearFocus();
}

void CalculatorDialog::setUpFrame(const FrameControls &controls)
{
    forms::finish(this);
    for (QLabel *l : findChildren<QLabel *>()) {
        // The form's own captions, not the parts of a Tundkast box.
        const QWidget *parent = l->parentWidget();
        if (parent != this && parent->metaObject() != &QFrame::staticMetaObject)
            continue;
        if (l->sizeHint().width() > l->width())
            l->resize(l->sizeHint().width(), l->height());
    }
    m_inputs = controls.inputs;
    m_compute = controls.compute;
    m_computeText = m_compute->text();
    m_computeTip = m_compute->toolTip();
    m_answer = new AnswerDisplay(this, controls.answer, m_compute);
    connect(m_compute, &QPushButton::clicked, this, [this] { computeOrClear(); });
    connect(controls.close, &QPushButton::clicked, this, &QDialog::reject);
    forms::onDragOff(controls.close, [this] { focusTo(closeFocusTarget()); });
}

void CalculatorDialog::setBuddy(QLabel *label, QWidget *box)
{
    label->setBuddy(box->focusProxy() ? box->focusProxy() : box);
}

void CalculatorDialog::copyAnswer()
{
    m_answer->copy();
}

void CalculatorDialog::addJulianBox(FrameCheckBox *box, bool startLocked)
{
    if (startLocked)
        JulianBoxes::lockAtStart(box);
    if (!m_helpMenu) {
        m_helpMenu = forms::helpMenu(this, [this] {
            if (!m_helpBox)
                return;
            const QPoint at = m_helpBox->mapToGlobal(QPoint(0, m_helpBox->height()));
            QWhatsThis::showText(at, m_helpBox->whatsThis(), m_helpBox);
        });
    }
}

void CalculatorDialog::addGregorianToggle(QWidget *frame, QPushButton *toggle, int answerWidthPixels,
                                          int narrowedWidthPixels, const QString &questionFirstLine)
{
    m_gregorian = new GregorianToggle(this, frame, toggle, *m_answer, answerWidthPixels, narrowedWidthPixels,
                                      questionFirstLine);
    connect(m_gregorian, &GregorianToggle::draggedOff, this, [this] { focusTo(m_compute); });
    connect(m_gregorian, &GregorianToggle::readingChosen, this, &CalculatorDialog::showGregorianAnswer);
    connect(m_gregorian, &GregorianToggle::clicked, this, &CalculatorDialog::gregorianClicked);
}

void CalculatorDialog::gregorianClicked()
{
    m_answer->announce();
    focusTo(m_compute);
}

void CalculatorDialog::showGregorianAnswer(bool)
{ }

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
        if (m_gregorian && inputBeforeReform())
            m_gregorian->show(true);
        m_answerShown = true;
        m_julianBoxes->holdForAnswer(true);
        m_compute->setText(m_texts.clear);
        if (!m_texts.clearTip.isEmpty())
            m_compute->setToolTip(m_texts.clearTip);
        m_inputs->setEnabled(false);
        safeShowAnswer();
        // Disabling the inputs took the focus from the box that had it.
        keepFocus(m_compute);
    } else {
        m_answerShown = false;
        m_julianBoxes->holdForAnswer(false);
        m_answer->clear();
        if (m_gregorian)
            m_gregorian->reset();
        m_compute->setText(m_computeText);
        if (!m_texts.clearTip.isEmpty())
            m_compute->setToolTip(m_computeTip);
        m_inputs->setEnabled(true);
        m_answer->announce();
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
    if (m_compute->isEnabled())
        m_compute->click();
}

void CalculatorDialog::recomputeOrFocus()
{
    if (answerShown()) {
        safeShowAnswer();
        focusTo(m_compute);
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
        m_answer->clear();
    m_answer->announce();
}

void CalculatorDialog::setAnswer(const std::function<QString()> &text)
{
    QString shown;
    if (runArithmetic([&] { shown = text(); }))
        m_answer->show(shown);
    else
        m_answer->clear();
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
    if (m_helpMenu)
        m_helpMenu->popup(globalPos);
}

void CalculatorDialog::showEvent(QShowEvent *event)
{
    m_host.open(this);
    QDialog::showEvent(event);
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
    m_host.release();
}
