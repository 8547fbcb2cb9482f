// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the main window, for tests that open a calculator or the
// calendar on their own: a plain widget with the test's clock, week settings
// and week number of its own, which notes what the opened window takes over.
#pragma once

#include "clock.h"
#include "programstate.h"
#include "windowhost.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QWidget>

class TestHost : public QWidget, public tundrik::WindowHost {
public:
    explicit TestHost(tundrik::Clock &clock)
        : m_clock(clock)
    {
    }
    ~TestHost() override
    {
        // The windows it owns go while it can still take back what they borrowed.
        qDeleteAll(findChildren<QDialog *>(Qt::FindDirectChildrenOnly));
    }

    QWidget *hostWindow() override { return this; }
    int innerHeight() const override { return height(); }
    tundrik::Clock &clock() const override { return m_clock; }
    tundrik::ProgramState &programState() const override { return state; }
    int WeekNumber() const override { return weekNumber; }
    void borrowCaption(const QString &title) override { captions << title; }
    void restoreCaption() override { captions << QString(); }
    void setCloseButtonEnabled(bool enabled) override { closeButton << enabled; }

    mutable tundrik::ProgramState state;
    int weekNumber = 0;
    // Every borrowed caption in turn, an empty string for each restore.
    QStringList captions;
    // Every call of setCloseButtonEnabled in turn.
    QList<bool> closeButton;

private:
    tundrik::Clock &m_clock;
};
