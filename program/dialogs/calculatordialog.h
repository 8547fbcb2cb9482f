// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the five calculator dialogs. Each dialog declares its
// controls in its own form, the frame's controls among them (fraRaam with
// fraSisesta for the inputs and fraVastus with the answer lblVastus, the
// button cmdArvuta that alternates between computing and clearing, the
// close button cmdLõpeta, and where there are any, the Julian check boxes
// and the "G" toggle), hands the frame's controls over once its form is set
// up, and implements the few hooks below; everything else happens here,
// with the help of its parts:
//   HostBinding      placement at the host window, its caption and close
//                    button taken over while the dialog is open;
//   AnswerDisplay    the answer, its copy and its screen-reader announcement;
//   JulianBoxes      the lock and reading rules of the Julian boxes;
//   GregorianToggle  "G" with its confirmation;
// and the "Appi" help pop-up of the Julian boxes.
#pragma once

#include "gregoriantoggle.h"
#include "hostbinding.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class AnswerDisplay;
class FrameCheckBox;
class JulianBoxes;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace tundrik {
class WindowHost;
}

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    using Placement = HostBinding::Placement;

    ~CalculatorDialog() override;

    // True while the dialog shows an answer (its AnswerShown).
    bool answerShown() const { return m_answerShown; }

    // Puts the answer shown on the clipboard, exactly as shown; without an
    // answer the clipboard keeps what it has.
    void copyAnswer();

    // The "G" toggle of a dialog that has one (its confirmation can be
    // replaced there), else nullptr.
    GregorianToggle *gregorianToggle() const { return m_gregorian; }

public slots:
    void done(int result) override;

protected:
    struct Texts {
        QString clear; // "Ku&stuta" / "&Kustuta"
        QString clearTip; // " Kustuta vastus ja ..."; empty: cmdArvuta has no tooltips
    };
    // The controls of the frame in the dialog's form. The compute button's
    // text and tooltip in the form are those it has while no answer stands.
    struct FrameControls {
        QWidget *inputs; // fraSisesta
        QLabel *answer; // lblVastus
        QPushButton *compute; // cmdArvuta
        QPushButton *close; // cmdLõpeta
    };

    // Without a host the dialog stands in the middle of the screen and
    // borrows nothing.
    CalculatorDialog(tundrik::WindowHost *host, Placement placement, const Texts &texts,
                     QWidget *parent = nullptr);

    // ---- building ----------------------------------------------------------
    // Called once after the form's setupUi: finishes the form (forms::finish)
    // and gives the frame its behaviour. The substitute fonts run a little
    // wider than the forms' own, so every caption grows to the right rather
    // than lose its last characters; a caption's text must be in place
    // before, its buddy set after.
    void setUpFrame(const FrameControls &controls);
    // The label's access key moves the focus into the input box (through the
    // field the box passes its focus to, as the box itself takes none).
    static void setBuddy(QLabel *label, QWidget *box);
    // A Julian box of the form, grayed and locked when startLocked. Its help
    // topic (helpTopic in the form) is its What's This text, which the
    // dialog's help pop-up "Appi" shows.
    void addJulianBox(FrameCheckBox *box, bool startLocked);
    // The press and release of a Julian box: a click on a free box recomputes
    // the answer, the right button shows the help of helpBox.
    void connectJulianBox(FrameCheckBox *box, FrameCheckBox *helpBox);
    // The "G" toggle in its frame fraGregorius; see GregorianToggle.
    void addGregorianToggle(QWidget *frame, QPushButton *toggle, int answerWidthPixels,
                            int narrowedWidthPixels, const QString &questionFirstLine);

    JulianBoxes &julianBoxes() const { return *m_julianBoxes; }
    AnswerDisplay &answer() const { return *m_answer; }

    // ---- hooks of the dialogs ---------------------------------------------
    // Where the focus goes when no other rule names a control.
    virtual QWidget *focusTarget() const = 0;
    // Where a drag off cmdLõpeta sends the focus.
    virtual QWidget *closeFocusTarget() const { return focusTarget(); }
    // Writes the answer; also every recompute.
    virtual void showAnswer() = 0;
    // Empties every input box with TKClear, in the dialog's order.
    virtual void clearInputs() = 0;
    // "G" pressed and confirmed (true) or released (false): the answer in
    // the Gregorian or the Julian reading.
    virtual void showGregorianAnswer(bool gregorian);
    // Whether the input lies before the reform, so that a compute shows "G"
    // (before the answer flag is set).
    virtual bool inputBeforeReform() const { return false; }
    // A click has toggled a free Julian box; runs before the recompute.
    virtual void julianBoxToggled(FrameCheckBox *) { }

    // ---- the frame's behaviour --------------------------------------------
    // Moves the focus to w only if it is enabled (and visible), and only if
    // the focus is not inside w already.
    static void focusTo(QWidget *w);
    // The click of cmdArvuta: compute or clear.
    void computeOrClear();
    // Presses cmdArvuta if it is enabled.
    void pressArvuta();
    // Recomputes the shown answer (check box clicks) and puts the focus on
    // cmdArvuta; without an answer only moves the focus to the target.
    void recomputeOrFocus();
    // Runs a step of the arithmetic: false when the arithmetic refused it
    // (a tundrik::CalcError, for an input beyond what it can compute). Any
    // other exception is a fault of the program and passes on, after a
    // warning in a debug build.
    bool runArithmetic(const std::function<void()> &step) const;
    // The answer's text, or an empty answer when the arithmetic refused it.
    void setAnswer(const std::function<QString()> &text);
    // Shows the help pop-up "Appi" of helpBox at globalPos.
    void showHelpMenu(FrameCheckBox *helpBox, const QPoint &globalPos);

    void showEvent(QShowEvent *event) override;

private:
    void unload();
    // Runs the showAnswer hook; a refused computation leaves the answer empty.
    void safeShowAnswer();
    // After a click of "G": the answer told, the focus on cmdArvuta.
    void gregorianClicked();
    // Moves the focus to fallback when no enabled control of the dialog has it.
    void keepFocus(QWidget *fallback);
    // The focus to target, into its first field when it is a date box.
    void focusFirstField(QWidget *target);

    HostBinding m_host;
    Texts m_texts;
    QString m_computeText;
    QString m_computeTip;
    QWidget *m_inputs = nullptr;
    QPushButton *m_compute = nullptr;
    AnswerDisplay *m_answer = nullptr;
    JulianBoxes *m_julianBoxes = nullptr;
    GregorianToggle *m_gregorian = nullptr;
    QMenu *m_helpMenu = nullptr;
    QPointer<FrameCheckBox> m_helpBox;
    bool m_answerShown = false;
    bool m_unloaded = false;
};
