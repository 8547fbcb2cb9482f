// SPDX-License-Identifier: GPL-3.0-or-later
// The common base of the three controls: the enabled and locked flags they
// share. Hosts use the controls themselves (TKArvuKast, TKKellaKast,
// TKKuupKast); this class cannot be derived from outside the library.
#pragma once

#include <tundkast/tundkast_export.h>

#include <QWidget>

#include <memory>

class TUNDKAST_EXPORT TKControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool TKLubatud READ TKLubatud WRITE setTKLubatud NOTIFY TKLubatudChanged
               DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKLukus READ TKLukus WRITE setTKLukus NOTIFY TKLukusChanged
               DESIGNABLE false STORED false)

public:
    // The private part, defined inside the library only.
    class Private;

    ~TKControl() override;

    /*! The control's own enabled flag, as last set by setTKLubatud (true at
        first). It does not follow the enabled state of a parent: a box inside
        a disabled frame still reads true, and takes input again as soon as the
        frame is enabled. */
    bool TKLubatud() const;
    /*! The control's read-only flag, as last set by setTKLukus (false at first). */
    bool TKLukus() const;

public Q_SLOTS:
    /*! Enables or disables every field of the control; the control itself
        stays enabled. Every value is valid. */
    void setTKLubatud(bool enabled);
    /*! Makes every field read-only (nothing can be typed, pasted or filled
        in) or editable. Every value is valid. */
    void setTKLukus(bool locked);

Q_SIGNALS:
    void TKLubatudChanged(bool enabled);
    void TKLukusChanged(bool locked);

protected:
    // Each control of the library hands over its private part, which derives
    // from Private; not part of the library's binary interface.
    TUNDKAST_NO_EXPORT TKControl(std::unique_ptr<Private> d, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Private> const d;
};
