#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The number entry dialog: nine marks typed as the digits 0, 1 and 2, match 1 first.
class frmNumbers : public QDialog {
    Q_OBJECT

public:
    explicit frmNumbers(QWidget* parent = nullptr);

    // Shows the dialog modally; the nine-character mark string, or empty when cancelled.
    static QString ShowDialog(QWidget* owner);

    QString answer() const { return m_answer; }
    QLineEdit* txtNumber() const { return m_text; }
    QPushButton* cmdOK() const { return m_ok; }
    QPushButton* cmdCancel() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onOk();

    QLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QString m_answer;
};
