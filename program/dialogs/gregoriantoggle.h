// SPDX-License-Identifier: GPL-3.0-or-later
// The "G" toggle of a calculator whose answer can lie before the Gregorian
// reform: shown beside a narrowed answer while such an answer stands,
// pressing it asks whether the answer should still be given in the
// Gregorian calendar, releasing it goes back to the Julian reading.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>

class AnswerDisplay;
class QPushButton;
class QWidget;

class GregorianToggle : public QObject {
    Q_OBJECT
public:
    // Asks a Yes/No question with the dialog as the parent.
    using Confirm = std::function<QMessageBox::StandardButton(QWidget *parent, const QString &text)>;
    // The question in a QMessageBox titled "Tundrik", with the question icon
    // and No as the default button.
    static QMessageBox::StandardButton askInMessageBox(QWidget *parent, const QString &text);

    // frame: fraGregorius with the toggle chkGregorius, hidden until an
    // answer before the reform is shown. The widths of the answer, whole and
    // narrowed beside "G", are in pixels of a 96-DPI screen (15 twips each).
    // The question starts with questionFirstLine. Without confirm the
    // question is asked with askInMessageBox.
    GregorianToggle(QWidget *dialog, QWidget *frame, QPushButton *toggle, AnswerDisplay &answer,
                    int answerWidthPixels, int narrowedWidthPixels, const QString &questionFirstLine,
                    Confirm confirm = {});

    void setConfirm(Confirm confirm);

    // Shows or hides "G" with the answer narrowed beside it, or whole.
    void show(bool shown);
    // Hidden and released: a toggle left pressed would stand beside the
    // next answer, which is first computed in the Julian reading.
    void reset();
    bool isPressed() const;

signals:
    // "G" pressed and confirmed (true) or released (false).
    void readingChosen(bool gregorian);
    // After every click, whatever the answer to the question was.
    void clicked();
    // The pointer left "G" with the button held; no click follows.
    void draggedOff();

private:
    void toggled();

    QWidget *m_dialog;
    QWidget *m_frame;
    QPushButton *m_toggle;
    AnswerDisplay &m_answer;
    int m_answerWidth;
    int m_narrowedWidth;
    QString m_questionFirstLine;
    Confirm m_confirm;
};
