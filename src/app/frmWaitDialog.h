#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress window of long operations: a fixed request to wait, a message line and a
// percentage bar. Driven by clsWaitDialog.
class frmWaitDialog : public QDialog {
    Q_OBJECT

public:
    explicit frmWaitDialog(QWidget* parent = nullptr);

    QLabel* lblMessage() const { return m_message; }
    QProgressBar* bar() const { return m_bar; }

private:
    QLabel* m_message;
    QProgressBar* m_bar;
};
