#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The user team-name window: a short and a long team name to add to the user's own table.
class frmTeamName : public QDialog {
    Q_OBJECT

public:
    // The boxes start with the last long name that no table knew.
    explicit frmTeamName(QWidget* parent = nullptr);

    // Shows the window modally; true when a pair was added.
    static bool ShowDialog(QWidget* owner);

    QLineEdit* txtRyakusho() const { return m_short; }
    QLineEdit* txtMeisho() const { return m_long; }
    QPushButton* cmdAdd() const { return m_add; }
    QPushButton* cmdCancel() const { return m_cancel; }

private:
    QLineEdit* m_short;
    QLineEdit* m_long;
    QPushButton* m_add;
    QPushButton* m_cancel;
};
