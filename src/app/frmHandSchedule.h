#pragma once

#include "drawdata/ScheduleData.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

// The hand entry of a draw's schedule (ツール > 開催情報を手入力...), for when the official one
// cannot be had: the nine designated matches chosen from the team-name tables, their dates when
// known, and the sale end. OK checks the entry as a downloaded schedule is checked and stores it
// as the draw's schedule.
class frmHandSchedule : public QDialog {
    Q_OBJECT

public:
    // The boxes show `shown` (a schedule entered earlier, or an empty record).
    frmHandSchedule(qint32 lngKaisaikai, const QString& strKumi, const ScheduleData& shown,
                    QWidget* parent = nullptr);

    // For the draw shown: refuses a draw without number or with a schedule stored otherwise,
    // else shows the window modally. True when a schedule was stored.
    static bool ShowDialog(QWidget* owner, qint32 lngKaisaikai, const QString& strKumi);

    QComboBox* cmbHome(int match) const { return m_home.at(std::size_t(match - 1)); }
    QComboBox* cmbAway(int match) const { return m_away.at(std::size_t(match - 1)); }
    QLineEdit* txtMatchDate(int match) const { return m_date.at(std::size_t(match - 1)); }
    QLineEdit* txtSaleEnd() const { return m_saleEnd; }
    QPushButton* cmdOK() const { return m_ok; }
    QPushButton* cmdCancel() const { return m_cancel; }

    static QString caption() { return QStringLiteral(" 開催情報の手入力"); }

private:
    void fill(const ScheduleData& shown);
    void onOk();
    // The entry as the boxes give it; false (told, focus on the box) for a date that is none.
    bool readEntry(ScheduleData& entry);

    qint32 m_kaisaikai;
    QString m_kumi;
    QStringList m_names;
    std::array<QComboBox*, MatchCount> m_home{};
    std::array<QComboBox*, MatchCount> m_away{};
    std::array<QLineEdit*, MatchCount> m_date{};
    QLineEdit* m_saleEnd;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
