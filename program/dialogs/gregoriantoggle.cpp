// SPDX-License-Identifier: GPL-3.0-or-later
#include "gregoriantoggle.h"

#include "answerdisplay.h"
#include "forms.h"

#include <QPushButton>

QMessageBox::StandardButton GregorianToggle::askInMessageBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tundrik"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

GregorianToggle::GregorianToggle(QWidget *dialog, QWidget *frame, QPushButton *toggle, AnswerDisplay &answer,
                                 int answerWidthPixels, int narrowedWidthPixels,
                                 const QString &questionFirstLine, Confirm confirm)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_frame(frame)
    , m_toggle(toggle)
    , m_answer(answer)
    , m_questionFirstLine(questionFirstLine)
{
    setConfirm(std::move(confirm));
    m_toggle->setChecked(false);
    m_frame->hide();
    const forms::Twips twips = forms::Twips::of(dialog);
    m_answerWidth = twips.x(answerWidthPixels * forms::twipsPerFormPixel);
    m_narrowedWidth = twips.x(narrowedWidthPixels * forms::twipsPerFormPixel);
    forms::onDragOff(m_toggle, [this] { emit draggedOff(); });
    connect(m_toggle, &QPushButton::clicked, this, &GregorianToggle::toggled);
}

void GregorianToggle::setConfirm(Confirm confirm)
{
    m_confirm = confirm ? std::move(confirm) : Confirm(&GregorianToggle::askInMessageBox);
}

void GregorianToggle::show(bool shown)
{
    m_frame->setVisible(shown);
    m_answer.setWidth(shown ? m_narrowedWidth : m_answerWidth);
}

void GregorianToggle::reset()
{
    show(false);
    m_toggle->setChecked(false);
}

bool GregorianToggle::isPressed() const
{
    return m_toggle->isChecked();
}

void GregorianToggle::toggled()
{
    if (m_toggle->isChecked()) {
        const QString text = m_questionFirstLine + QStringLiteral("\n")
            + QStringLiteral("mil gregooriuse kalendrit ei olnud veel.") + QStringLiteral("\n\n")
            + QStringLiteral("Kas soovid ikka gregooriuse kalendri järgi arvutada?");
        if (m_confirm(m_dialog, text) == QMessageBox::Yes)
            emit readingChosen(true);
        else
            m_toggle->setChecked(false);
    } else {
        emit readingChosen(false);
    }
    emit clicked();
}
