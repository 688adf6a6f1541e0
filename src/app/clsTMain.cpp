#include "app/clsTMain.h"

#include "app/ControlTips.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "documents/DamagedDocument.h"
#include "documents/HandEnteredSchedule.h"
#include "documents/clsResult.h"
#include "documents/clsSchedule.h"
#include "documents/clsVote.h"
#include "widgets/NumberBox.h"
#include "widgets/SpinControl.h"

#include <QComboBox>

namespace {
constexpr qint32 MaxKaisaikai = 9999;

// Before a download: a stored document of the draw that does not read is moved aside, when the
// user agrees, so that the download can store the document again; that answer stands for the
// download's own question. False when the user declined.
template <typename Controller>
bool setAsideDamaged(const Controller& controller, qint32 lngKaisaikai, const QString& strKumi,
                     bool& blnDQuestion) {
    const QString damaged = controller.DamagedFile(lngKaisaikai, strKumi);
    if (damaged.isEmpty())
        return true;
    if (!DamagedDocument::OfferRepair(damaged, controller.DocumentName()))
        return false;
    blnDQuestion = false;
    return true;
}
} // namespace

clsTMain::clsTMain(QObject* parent)
    : QObject(parent), m_schedule(std::make_unique<clsSchedule>()),
      m_vote(std::make_unique<clsVote>()), m_result(std::make_unique<clsResult>()) {}

clsTMain::~clsTMain() = default;

void clsTMain::Initialize(NumberBox* txtScheduleNo, QComboBox* cmbKumi, QWidget* owner) {
    m_box = txtScheduleNo;
    m_kumiBox = cmbKumi;
    m_owner = owner;
    connect(m_box, &NumberBox::valueChanged, this, [this] {
        if (m_initialized)
            reload(true, true);
    });
    connect(m_kumiBox, &QComboBox::activated, this, [this] {
        if (m_initialized)
            reload(true, true);
    });

    m_box->setRange(0, MaxKaisaikai);
    m_spin = new SpinControl(m_box);
    m_spin->setObjectName(QStringLiteral("spnScheduleNo"));
    ControlTips::apply(m_spin);
    m_box->setText(QStringLiteral("0"));
    m_box->setCursorPosition(1);

    m_kumiBox->clear();
    m_kumiBox->addItem(QStringLiteral("Ａ組"));
    m_kumiBox->addItem(QStringLiteral("Ｂ組"));
    m_kumiBox->setCurrentIndex(0);

    m_schedule->Initialize(owner);
    m_vote->Initialize(owner);
    m_result->Initialize(owner);
    m_initialized = true;
}

void clsTMain::reload(bool readVote, bool clearVoteWhenMissing) {
    m_kaisaikai = m_box->value();
    m_scheduleData = m_schedule->GetSchedule(m_kaisaikai, m_kumi, clsSchedule::ReadFile, true)
                         ? m_schedule->Schedule()
                         : ScheduleData();
    m_noGame = m_schedule->NoGame();
    if (readVote) {
        if (m_vote->GetVote(m_kaisaikai, m_kumi, clsVote::ReadFile, true))
            m_voteData = m_vote->Vote();
        else if (clearVoteWhenMissing)
            m_voteData = VoteData();
    }
    m_resultData = m_result->GetResult(m_kaisaikai, m_kumi, clsResult::ReadFile, true)
                       ? m_result->Result()
                       : ResultData();
    Q_EMIT KaisaikaiChange(m_kaisaikai, m_kumi);
}

void clsTMain::GetSchedule(bool blnDQuestion) {
    if (m_noGame || !setAsideDamaged(*m_schedule, m_kaisaikai, m_kumi, blnDQuestion))
        return;
    takeSchedule(m_schedule->GetSchedule(
        m_kaisaikai, m_kumi, clsSchedule::ReadFile | clsSchedule::Download, blnDQuestion));
}

void clsTMain::GetVote(bool blnDQuestion) {
    if (m_noGame || !scheduleStored() ||
        !setAsideDamaged(*m_vote, m_kaisaikai, m_kumi, blnDQuestion))
        return;
    takeVote(
        m_vote->GetVote(m_kaisaikai, m_kumi, clsVote::ReadFile | clsVote::Download, blnDQuestion));
}

void clsTMain::Download(int index, bool blnDQuestion) {
    if (m_kaisaikai <= 0)
        Platform::current().showMessage(QStringLiteral("開催回を設定して下さい"), AppInfo::title(),
                                        MessageIcon::Information);
    else if (index == 0)
        GetSchedule(blnDQuestion);
    else if (index == 1)
        GetVote(blnDQuestion);
    else
        GetResult(blnDQuestion);
}

void clsTMain::GetResult(bool blnDQuestion) {
    if (m_noGame || !setAsideDamaged(*m_result, m_kaisaikai, m_kumi, blnDQuestion))
        return;
    takeResult(m_result->GetResult(m_kaisaikai, m_kumi, clsResult::ReadFile | clsResult::Download,
                                   blnDQuestion));
}

void clsTMain::ReadSavedPage(SavedPageKind::Kind kind, const QByteArray& page) {
    if (m_noGame)
        return;
    if (kind == SavedPageKind::Schedule)
        takeSchedule(m_schedule->ReadSavedPage(m_kaisaikai, m_kumi, page));
    else if (kind == SavedPageKind::Vote && scheduleStored())
        takeVote(m_vote->ReadSavedPage(m_kaisaikai, m_kumi, page));
    else if (kind == SavedPageKind::Result)
        takeResult(m_result->ReadSavedPage(m_kaisaikai, m_kumi, page));
}

bool clsTMain::scheduleStored() const {
    if (CheckScheduleFile())
        return true;
    Platform::current().showMessage(QStringLiteral("開催情報を先にダウンロードして下さい。"),
                                    AppInfo::title(), MessageIcon::Information);
    return false;
}

void clsTMain::takeSchedule(bool complete) {
    if (!complete) {
        m_schedule->FalseDialog(m_kaisaikai);
        return;
    }
    m_scheduleData = m_schedule->Schedule();
    reload(false, false);
}

void clsTMain::takeVote(bool complete) {
    if (!complete) {
        m_vote->FalseDialog(m_kaisaikai);
        return;
    }
    m_voteData = m_vote->Vote();
    reload(true, false);
}

void clsTMain::takeResult(bool complete) {
    if (!complete) {
        m_result->FalseDialog(m_kaisaikai);
        return;
    }
    m_resultData = m_result->Result();
    reload(false, false);
}

void clsTMain::SetKaisaikai(qint32 lngKaisaikai) {
    const QString text = QString::number(lngKaisaikai);
    m_box->setText(text);
    m_box->setCursorPosition(static_cast<int>(m_box->text().size()));
}

void clsTMain::SetKumi(const QString& strKumi) {
    if (strKumi == QStringLiteral("A"))
        m_kumiBox->setCurrentIndex(0);
    else if (strKumi == QStringLiteral("B"))
        m_kumiBox->setCurrentIndex(1);
}

bool clsTMain::GetOldVoteFile(qint32 lngKaisaikai, DateTime SEndTime) {
    if (!m_vote->GetOldVoteFile(lngKaisaikai, SEndTime))
        return false;
    m_voteData = m_vote->Vote();
    reload(false, false);
    return true;
}

bool clsTMain::CheckScheduleFile() const {
    return m_schedule->CheckScheduleFile(m_kaisaikai, m_kumi);
}

DownloadState clsTMain::DownloadStateOf(int index) const {
    if (m_kaisaikai <= 0)
        return DownloadState::NoDraw;
    if (m_noGame)
        return DownloadState::NotHeld;
    if (index == 0) {
        if (!CheckScheduleFile())
            return DownloadState::Missing;
        if (HandEnteredSchedule::exists(m_kaisaikai, m_kumi))
            return DownloadState::HandEntered;
        return m_schedule->DamagedFile(m_kaisaikai, m_kumi).isEmpty() ? DownloadState::Stored
                                                                      : DownloadState::Damaged;
    }
    const bool stored = index == 1 ? CheckVoteFile() : CheckResultFile();
    if (!stored)
        return index == 1 && !CheckScheduleFile() ? DownloadState::ScheduleFirst
                                                  : DownloadState::Missing;
    const QString damaged = index == 1 ? m_vote->DamagedFile(m_kaisaikai, m_kumi)
                                       : m_result->DamagedFile(m_kaisaikai, m_kumi);
    return damaged.isEmpty() ? DownloadState::Stored : DownloadState::Damaged;
}

void clsTMain::Reload() {
    reload(true, true);
}

bool clsTMain::CheckVoteFile() const {
    return m_vote->CheckVoteFile(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckResultFile() const {
    return m_result->CheckResultFile(m_kaisaikai, m_kumi);
}

void clsTMain::ScheduleInitialize() {
    m_schedule = std::make_unique<clsSchedule>();
    m_schedule->Initialize(m_owner);
}
