#include "views/clsTResult.h"

#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "views/ResultPictures.h"
#include "views/clsTCount.h"
#include "views/clsTMultiResult.h"
#include "views/clsTResultGrade.h"
#include "views/clsTResultGrid.h"
#include "views/clsTResultKakutei.h"
#include "widgets/CellGrid.h"
#include "widgets/PageTurnImage.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int PageSize = 10;

} // namespace

clsTResult::clsTResult(QObject* parent)
    : QObject(parent), m_reporter(QStringLiteral("clsTResult")) {}

clsTResult::~clsTResult() = default;

void clsTResult::Initialize(QWidget* objPictureBox, QWidget* picGrade, QWidget* picMulti,
                            QWidget* picCount, QWidget* picKakutei, QWidget* picSuitei) {
    Q_UNUSED(picSuitei);
    // The counts panel lies over the result grid, from its top; it stays hidden until the
    // game panel asks for it.
    m_count = new clsTCount(this);
    m_count->Initialize(picCount, 67, 21);
    picCount->move(objPictureBox->pos());
    picCount->raise();
    m_count->setVisible(false);
    connect(m_count, &clsTCount::Click, this, [this] {
        if (!m_count->Percent())
            m_count->setVisible(false);
    });
    m_grid = new clsTResultGrid(this);
    m_grid->Initialize(objPictureBox, 25, 21);
    m_grade = new clsTResultGrade(this);
    m_grade->Initialize(picGrade, 40, 21);
    m_multi = new clsTMultiResult(this);
    m_multi->Initialize(picMulti, 30, 21);
    m_kakutei = new clsTResultKakutei(this);
    m_kakutei->Initialize(picKakutei, 40, 21);
    using ResultPictures::Kind;
    for (const Kind kind : {Kind::Hit, Kind::Cancelled, Kind::Miss, Kind::Winning})
        m_grid->SetColorImage(ResultPictures::cellColor(kind), ResultPictures::picture(kind));
    connect(m_multi, &clsTMultiResult::Change, this, &clsTResult::onMultiChange);
    m_grid->grid()->installEventFilter(this);
    m_initialized = true;
    showCheck(true);
}

void clsTResult::setSingleCountLabel(QLabel* label) {
    m_countLabel = label;
}

void clsTResult::setPageLabel(QLabel* label) {
    m_turners.setPageLabel(label);
}

void clsTResult::setMovePreviousImage(PageTurnImage* image) {
    m_turners.setPrevious(image);
    connect(image, &PageTurnImage::clicked, this, [this] { MovePage(qMax(m_page - 1, 0)); });
}

void clsTResult::setMoveNextImage(PageTurnImage* image) {
    m_turners.setNext(image);
    connect(image, &PageTurnImage::clicked, this,
            [this] { MovePage(qMin(m_page + 1, LastPage())); });
}

void clsTResult::setPercent(bool blnValue) {
    if (m_count)
        m_count->setPercent(blnValue);
}

void clsTResult::setCountVisible(bool blnValue) {
    if (m_count)
        m_count->setVisible(blnValue);
}

bool clsTResult::CountVisible() const {
    return m_count && m_count->Visible();
}

void clsTResult::setPopupMenu(QMenu* menu) {
    m_multi->setPopupMenu(menu);
}

void clsTResult::SetSingleFrame(const SingleFrame& lngValue, const CountFlags& blnVisible) {
    if (!m_count)
        return;
    m_count->SetVisible(blnVisible);
    m_count->SetValue(lngValue);
}

void clsTResult::SetScheduleData(const ScheduleData& schedule) {
    m_schedule = schedule;
    updateMatchNames();
}

void clsTResult::SetResultData(qint32 lngKaisaikai, const QString& strKumi,
                               const ResultData& result, bool blnShowAll) {
    if (!m_initialized) {
        m_reporter.failure(QStringLiteral("SetResultData"), QStringLiteral("Initialize Err"));
        return;
    }
    m_multi->SetResultData(result);
    m_kakutei->SetResultData(result);
    m_check.SetResultData(lngKaisaikai, strKumi, result, blnShowAll);
    showReveal();
}

void clsTResult::SetNextData() {
    m_check.SetNextData();
    showReveal();
}

void clsTResult::SetAlltData() {
    m_check.SetAlltData();
    showReveal();
}

void clsTResult::showReveal() {
    if (!m_initialized)
        return;
    // The result-mark table announces the revealed marks; the check has them already, so its
    // answer only has to show them once.
    m_revealing = true;
    m_multi->SetValue(m_check.Marks());
    m_revealing = false;
    showCheck(m_check.FullResult());
}

void clsTResult::onMultiChange(bool click) {
    if (m_revealing)
        return;
    m_check.SetMarks(m_multi->GetValue(), click);
    showCheck(m_check.FullResult());
}

void clsTResult::Clear() {
    m_check.Clear();
    if (!m_initialized)
        return;
    m_revealing = true;
    m_multi->Clear();
    m_revealing = false;
    m_kakutei->Clear();
    m_page = 0;
    showCheck(false);
}

void clsTResult::SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle) {
    m_check.SetSingle(lngSingleCount, lngSingle);
    if (m_countLabel)
        m_countLabel->setText(
            NumberFormat::format(qint64(m_check.SingleCount()), QStringLiteral("#,##0")));
    m_page = 0;
    showCheck(true);
}

bool clsTResult::GradeSort(std::span<qint32> lngSingle, bool Sorted) {
    return m_check.GradeSort(lngSingle, Sorted);
}

void clsTResult::SetPopup(int Index) {
    m_multi->SetPopup(Index);
}

void clsTResult::showCheck(bool confirm) {
    if (!m_initialized)
        return;
    m_grade->SetValue(m_check.GradeCounts(), m_check.Kaisaikai());
    if (confirm) {
        if (m_check.Confirmed()) {
            m_kakutei->SetResultData(m_check.Result());
            m_kakutei->SetValue(m_check.GradeCounts());
        } else {
            m_kakutei->Clear();
        }
    }
    m_count->SetColor(m_multi->GetVisible());
    m_count->Refresh();
    updateMatchNames();
    m_page = qMin(m_page, LastPage());
    showPage();
    Q_EMIT Checked();
}

void clsTResult::updateMatchNames() {
    if (!m_grid)
        return;
    std::array<QString, MatchCount> home;
    std::array<QString, MatchCount> away;
    const bool fromResult = m_check.ResultExists();
    for (std::size_t k = 0; k < std::size_t(MatchCount); ++k) {
        home[k] = fromResult ? m_check.Result().Matches[k].Home : m_schedule.Matches[k].Home;
        away[k] = fromResult ? m_check.Result().Matches[k].Away : m_schedule.Matches[k].Away;
    }
    m_grid->SetMatches(home, away, m_check.Marks());
}

void clsTResult::MovePage(qint32 lngPage) {
    m_page = lngPage;
    showPage();
}

void clsTResult::showPage() {
    if (!m_initialized)
        return;
    const ResultMarks hit = m_check.HitTable();
    const qint32 count = m_check.SingleCount();
    for (int c = 0; c < clsTResultGrid::Columns; ++c) {
        const qint32 e = m_page * PageSize + c;
        if (e < count) {
            const qint32 number = m_check.Single(e);
            m_grid->SetColumn(c, e, SingleCodec::marksUnchecked(number), m_check.Grade(e), hit);
        } else {
            m_grid->ClearColumn(c);
        }
    }
    m_turners.show(m_page, LastPage());
}

bool clsTResult::eventFilter(QObject* watched, QEvent* event) {
    if (m_grid && watched == m_grid->grid() && event->type() == QEvent::KeyPress)
        return onGridKey(static_cast<QKeyEvent*>(event)->key());
    return QObject::eventFilter(watched, event);
}

bool clsTResult::onGridKey(int key) {
    CellGrid* grid = m_grid->grid();
    if (grid->enterByArrow(key, 1, 2))
        return true;
    QPoint current = grid->currentCell();
    if (current.x() == 0)
        current = QPoint(1, 2);
    switch (key) {
    case Qt::Key_Left:
        if (current.x() > 1) {
            --current.rx();
        } else if (m_page > 0) {
            MovePage(m_page - 1);
            current.rx() = clsTResultGrid::Columns;
        }
        break;
    case Qt::Key_Right:
        if (current.x() < clsTResultGrid::Columns) {
            ++current.rx();
        } else if (m_page < LastPage()) {
            MovePage(m_page + 1);
            current.rx() = 1;
        }
        break;
    case Qt::Key_Up:
        current.ry() = qMax(2, current.y() - 1);
        break;
    case Qt::Key_Down:
        current.ry() = qMin(grid->rowCount(), current.y() + 1);
        break;
    case Qt::Key_PageUp:
        MovePage(qMax(m_page - 1, 0));
        break;
    case Qt::Key_PageDown:
        MovePage(qMin(m_page + 1, LastPage()));
        break;
    case Qt::Key_Home:
        MovePage(0);
        break;
    case Qt::Key_End:
        MovePage(LastPage());
        break;
    default:
        return false;
    }
    grid->setCurrentCell(current.x(), current.y());
    return true;
}
