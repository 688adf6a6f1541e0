#pragma once

#include "app/frmWaitDialog.h"

#include <QPointer>
#include <QtGlobal>

class QWidget;

// Controller of the progress window: created per long operation, updated as it goes, and the
// window closes when the controller is released.
class clsWaitDialog {
public:
    // Loads the window without showing it.
    clsWaitDialog();
    ~clsWaitDialog();
    clsWaitDialog(const clsWaitDialog&) = delete;
    clsWaitDialog& operator=(const clsWaitDialog&) = delete;

    // Shows the window without waiting, owned by owner (may be null), on top of other windows.
    void Initialize(QWidget* owner);
    void setMessage(const QString& message);
    qint64 Max() const { return m_max; }
    void setMax(qint64 max);
    void setValue(qint64 value);
    qint64 Value() const { return m_value; }

    // The bar's share in whole percent.
    int percent() const;
    frmWaitDialog* window() const { return m_window; }

private:
    void showBar();

    // Owned here; the owner window deletes it first if it goes away earlier.
    QPointer<frmWaitDialog> m_window;
    qint64 m_max = 100;
    qint64 m_value = 0;
};
