#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
struct OfficialUrlSettings;

// The connection settings window (ツール > 接続設定...): the addresses of the official pages and
// their product keys, the sales schedule page and the proxy server. OK checks every box and
// writes bigSettings.ini; the next download uses the new values, without a restart.
class frmConnectionSettings : public QDialog {
    Q_OBJECT

public:
    explicit frmConnectionSettings(QWidget* parent = nullptr);

    // Shows the window modally; true when new settings were written and took effect.
    static bool ShowDialog(QWidget* owner);

    // The box of a setting by its object name (txtScheduleUrl, txtProxy, ...).
    QLineEdit* box(const QString& objectName) const;
    QPushButton* cmdDefault() const { return m_default; }
    QPushButton* cmdOK() const { return m_ok; }
    QPushButton* cmdCancel() const { return m_cancel; }

    static QString caption() { return QStringLiteral(" 接続設定"); }

private:
    void fill(const OfficialUrlSettings& settings);
    void onOk();

    QPushButton* m_default;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
