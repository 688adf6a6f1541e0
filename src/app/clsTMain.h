#pragma once

#include "app/DownloadState.h"
#include "base/DateTime.h"
#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "web/SavedPageKind.h"

#include <QObject>
#include <memory>

class NumberBox;
class QComboBox;
class QWidget;
class SpinControl;
class clsResult;
class clsSchedule;
class clsVote;

// The current draw: bound to the draw-number box and the group selector, it loads the stored
// documents of the draw the box shows, runs the three official downloads for it and announces
// every reload with KaisaikaiChange. The group stays empty, so every document is addressed
// without a group.
class clsTMain : public QObject {
    Q_OBJECT

public:
    explicit clsTMain(QObject* parent = nullptr);
    ~clsTMain() override;

    // Binds the box and the selector; no draw is loaded until the box's text changes.
    void Initialize(NumberBox* txtScheduleNo, QComboBox* cmbKumi, QWidget* owner);

    void GetSchedule(bool blnDQuestion);
    void GetVote(bool blnDQuestion);
    void GetResult(bool blnDQuestion);
    // The current draw's document from a page of the official site saved by the browser: read,
    // stored and explained as the download of that document is.
    void ReadSavedPage(SavedPageKind::Kind kind, const QByteArray& page);
    // The official download `index` (0 schedule, 1 vote, 2 result) of the draw in the box. A box
    // without a draw (empty, or 0) has none to download: that is told instead, where the
    // controllers would report a download failure that never was attempted.
    void Download(int index, bool blnDQuestion);

    // Writes the number into the box with the caret at its end; the box's change reloads.
    void SetKaisaikai(qint32 lngKaisaikai);
    // "A" or "B" selects the first or second group entry; anything else does nothing.
    void SetKumi(const QString& strKumi);

    bool GetOldVoteFile(qint32 lngKaisaikai, DateTime SEndTime);
    bool CheckScheduleFile() const;
    // What the official download `index` (0 schedule, 1 vote, 2 result) would do for the current
    // draw: whether its button is enabled, and its tip.
    DownloadState DownloadStateOf(int index) const;
    bool CheckVoteFile() const;
    bool CheckResultFile() const;
    // Reads the current draw's stored documents again and announces them (after a document was
    // stored outside the downloads).
    void Reload();
    // A fresh schedule controller, so that it reads the team-name tables again.
    void ScheduleInitialize();

    // The current draw's documents; the window reads them here and keeps no copy.
    const ScheduleData& Schedule() const { return m_scheduleData; }
    const VoteData& Vote() const { return m_voteData; }
    const ResultData& Result() const { return m_resultData; }
    qint32 Kaisaikai() const { return m_kaisaikai; }
    const QString& Kumi() const { return m_kumi; }
    SpinControl* spinControl() const { return m_spin; }

Q_SIGNALS:
    void KaisaikaiChange(qint32 lngKaisaikai, const QString& strKumi);

private:
    void reload(bool readVote, bool clearVoteWhenMissing);
    // True when the draw's schedule is stored, which the vote is paired with; else tells so.
    bool scheduleStored() const;
    // After a get operation: a complete document becomes the draw's, else the failure is told.
    void takeSchedule(bool complete);
    void takeVote(bool complete);
    void takeResult(bool complete);

    NumberBox* m_box = nullptr;
    QComboBox* m_kumiBox = nullptr;
    SpinControl* m_spin = nullptr;
    QWidget* m_owner = nullptr;
    bool m_initialized = false;

    std::unique_ptr<clsSchedule> m_schedule;
    std::unique_ptr<clsVote> m_vote;
    std::unique_ptr<clsResult> m_result;

    qint32 m_kaisaikai = -1;
    QString m_kumi;
    ScheduleData m_scheduleData;
    VoteData m_voteData;
    ResultData m_resultData;
    bool m_noGame = false;
};
