// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the five calculator dialogs: placement at the window
// that opened it (its host, the main window), the host's caption and close
// button taken over while the dialog is open,
// the button that alternates between computing and clearing, the close
// button with its drag-off rule, the Julian check boxes with their lock, the
// "G" toggle with its confirmation, and the "Appi" help pop-up.
//
// A dialog builds its controls from its twips table with the form toolkit
// (forms.h) and the helpers below, names every control with its name from
// the design, and implements the few hooks below; everything else happens
// here.
#pragma once

#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <functional>

class FrameCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QWidget;
class TKKuupKast;

namespace tundrik {
class WindowHost;
}

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // Where the dialog stands horizontally: centred on the host window,
    // centred and one pixel to the left, or at the host window's left edge.
    enum class Placement { Centred, CentredLessOnePixel, HostLeft };

    // Asks a Yes/No question; the default shows a QMessageBox with the title
    // "Tundrik", the question icon and No as the default button. Tests put
    // their own answerer here.
    using Confirm = std::function<QMessageBox::StandardButton(QWidget *parent, const QString &text)>;
    static void setConfirm(Confirm confirm);
    static QMessageBox::StandardButton askConfirm(QWidget *parent, const QString &text);

    ~CalculatorDialog() override;

    // True while the dialog shows an answer (its AnswerShown).
    bool answerShown() const { return m_answerShown; }

    // Puts the answer shown on the clipboard, exactly as shown; without an
    // answer the clipboard keeps what it has.
    void copyAnswer();

public slots:
    void done(int result) override;

protected:
    struct Texts {
        QString compute;     // "&Arvuta" / "&Kontrolli"
        QString clear;       // "Ku&stuta" / "&Kustuta"
        QString clearTip;    // " Kustuta vastus ja ..."; empty: no tooltips on cmdArvuta
    };

    // innerTwips: the client size. Without a host the dialog stands in the
    // middle of the screen and borrows nothing.
    CalculatorDialog(tundrik::WindowHost *host, const QString &objectName, QSize innerTwips,
                     Placement placement, const Texts &texts, QWidget *parent = nullptr);

    // ---- building ----------------------------------------------------------
    // A caption of the form. The substitute fonts run a little wider than
    // the forms' own, so a caption grows to the right rather than lose its
    // last characters.
    static QLabel *addLabel(QWidget *parent, const QString &name, QRect twips, const QString &text);
    // The accepted input range, in dark red.
    static QLabel *addRangeLabel(QWidget *parent, const QString &name, QRect twips,
                                 const QString &text);
    // The label's access key moves the focus into the input box (through the
    // field the box passes its focus to, as the box itself takes none).
    static void setBuddy(QLabel *label, QWidget *box);
    // fraRaam, fraSisesta, fraVastus with lblVastus, and the two button frames.
    struct CommonLayout {
        QRect raam, sisesta, vastus, lblVastus, lopetaFrame, arvutaFrame;
    };
    void buildCommon(const CommonLayout &layout);
    // Must be called after the input controls are created, so that the tab
    // order runs from the inputs to cmdArvuta.
    void buildButtons(const CommonLayout &layout);
    // A Julian box in its own frame, grayed and locked when startLocked. The
    // caption's access key is a letter that its dialog does not use elsewhere.
    // The help topic is its What's This text and its accessible description.
    FrameCheckBox *addJulianBox(const QString &frameName, const QString &boxName, QRect frameTwips,
                                QRect boxTwips, int helpContext, bool startLocked,
                                const QString &caption = QStringLiteral("&juuliuse kalender"));
    // The "G" toggle in its frame fraGregorius; hidden and unchecked.
    void addGregorius(QRect frameTwips, QRect toggleTwips, int answerWidthPixels,
                      int narrowedWidthPixels, const QString &questionFirstLine);

    // ---- hooks of the dialogs ---------------------------------------------
    // Where the focus goes when no other rule names a control.
    virtual QWidget *focusTarget() const = 0;
    // Where a drag off cmdLõpeta sends the focus.
    virtual QWidget *closeFocusTarget() const { return focusTarget(); }
    // Writes the answer into lblVastus; also every recompute.
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
    virtual void julianBoxToggled(FrameCheckBox *) {}

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
    // Runs the showAnswer hook; a refused computation leaves the answer empty.
    void safeShowAnswer();
    // The answer's text, or an empty answer when the arithmetic refused it.
    void setAnswer(const std::function<QString()> &text);
    // Lock rule of a Julian box: grayed with "KEELA", or unchecked with "LUBA";
    // a date of its date box that exists only in the Julian calendar keeps
    // the box checked, with "LUBA". Nothing changes while the reading of the
    // box's date is changing because the user clicked the box.
    void lockJulianBox(FrameCheckBox *box, bool beforeReform);
    // True when the box asks for the Julian reading (checked or grayed).
    static bool julianReading(const FrameCheckBox *box);
    // The date box reads its text in the calendar its Julian box asks for,
    // from now on and after every change of the box.
    void pairJulianBox(FrameCheckBox *box, TKKuupKast *date);
    // A valid date of the box that exists only in the Julian calendar (29.02.1700).
    static bool validOnlyInJulianReading(TKKuupKast *date);
    // Connects a Julian box to the rules of press, release and help.
    void connectJulianBox(FrameCheckBox *box, FrameCheckBox *helpBox);
    void showHelpMenu(FrameCheckBox *helpBox, const QPoint &globalPos);

    QFrame *m_fraRaam = nullptr;
    QFrame *m_fraSisesta = nullptr;
    QFrame *m_fraVastus = nullptr;
    QLabel *m_lblVastus = nullptr;
    QFrame *m_fraArvuta = nullptr;
    QPushButton *m_cmdArvuta = nullptr;
    QFrame *m_fraLopeta = nullptr;
    QPushButton *m_cmdLopeta = nullptr;
    QFrame *m_fraGregorius = nullptr;
    QPushButton *m_chkGregorius = nullptr;
    QMenu *m_mnuAbi = nullptr;
    QMenu *m_mnuVastus = nullptr;

    void showEvent(QShowEvent *event) override;

private:
    void placeAtHost();
    void unload();
    void setFlag(bool shown);
    void gregoriusReleased();
    void showGregorius(bool show);
    // Moves the focus to fallback when no enabled control of the dialog has it.
    void keepFocus(QWidget *fallback);
    // The focus to target, into its first field when it is a date box.
    void focusFirstField(QWidget *target);
    // Tells a screen reader the answer now shown (or that it is gone).
    void announceAnswer();

    tundrik::WindowHost *m_host;
    Placement m_placement;
    bool m_answerShown = false;
    Texts m_texts;
    bool m_opened = false;
    bool m_unloaded = false;
    int m_answerWidth = 0;
    int m_narrowedWidth = 0;
    QString m_questionFirstLine;
    QPointer<FrameCheckBox> m_helpBox;
    QHash<FrameCheckBox *, QPointer<TKKuupKast>> m_julianDates;
    bool m_userReading = false;
};
