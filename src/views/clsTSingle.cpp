#include "views/clsTSingle.h"

#include "base/AppInfo.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "views/MarkPictures.h"
#include "views/clsTCount.h"
#include "views/clsTSingleDraw.h"
#include "views/clsTSingleList.h"
#include "widgets/PageTurnImage.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString DeleteTitle = QStringLiteral("選択シングルを削除");

} // namespace

clsTSingle::clsTSingle(QObject* parent)
    : QObject(parent), m_draw(std::make_unique<clsTSingleDraw>()),
      m_count(std::make_unique<clsTCount>()), m_list(std::make_unique<clsTSingleList>()) {
    connect(m_draw.get(), &clsTSingleDraw::NoClick, this, &clsTSingle::onNoClick);
    connect(m_draw.get(), &clsTSingleDraw::MouseDown, this, &clsTSingle::onMouseDown);
    connect(m_draw.get(), &clsTSingleDraw::KeyCommand, this, &clsTSingle::onKeyCommand);
}

clsTSingle::~clsTSingle() = default;

template <typename F> void clsTSingle::guarded(const QString& operation, F&& body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        m_reporter.runtimeError(operation, error);
    }
}

void clsTSingle::Initialize(QWidget* objPictureBox, QWidget* picCount, QWidget* picSList) {
    guarded(QStringLiteral("Initialize"), [&] {
        m_draw->Initialize(objPictureBox);
        m_count->Initialize(picCount, 60, 26);
        m_list->Initialize(picSList, 52, 28);
        for (int mark = 0; mark < 3; ++mark) {
            m_draw->SetImage(mark, 0, MarkPictures::picture(mark));
            m_draw->SetImage(mark, 1, MarkPictures::picture(MarkPictures::ChosenOffset + mark));
        }
    });
}

void clsTSingle::setSingleCountLabel(QLabel* label) {
    m_countLabel = label;
}

void clsTSingle::setPageLabel(QLabel* label) {
    m_turners.setPageLabel(label);
}

void clsTSingle::setMovePreviousImage(PageTurnImage* image) {
    m_turners.setPrevious(image);
    connect(image, &PageTurnImage::clicked, this, &clsTSingle::movePrevious);
}

void clsTSingle::setMoveNextImage(PageTurnImage* image) {
    m_turners.setNext(image);
    connect(image, &PageTurnImage::clicked, this, &clsTSingle::moveNext);
}

void clsTSingle::setMovePreviousImageDisable(const QPixmap& picture) {
    m_turners.setPreviousDisabled(picture);
}

void clsTSingle::setMoveNextImageDisable(const QPixmap& picture) {
    m_turners.setNextDisabled(picture);
}

void clsTSingle::setSinglePercent(bool blnValue) {
    m_count->setPercent(blnValue);
}

void clsTSingle::SetSingleFrame(const SingleFrame& lngValue, const CountFlags& blnVisible) {
    m_count->SetVisible(blnVisible);
    m_count->SetValue(lngValue);
    m_frame = lngValue;
}

void clsTSingle::SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle) {
    guarded(QStringLiteral("SetSingle"), [&] {
        WaitCursor wait;
        if (lngSingleCount < 0 || std::size_t(lngSingleCount) > lngSingle.size())
            throw RuntimeError::subscriptOutOfRange();
        if (m_countLabel)
            m_countLabel->setText(
                NumberFormat::format(qint64(lngSingleCount), QStringLiteral("#,##0")));
        m_singles.assign(lngSingle.begin(), lngSingle.begin() + lngSingleCount);
        m_selected.assign(m_singles.size(), 0);
        m_lastPage = (lngSingleCount - 1) / PageSize;
    });
}

void clsTSingle::drawNumber(int column) {
    const qint64 position = qint64(m_page) * PageSize + column;
    if (position < SingleCount())
        m_draw->SetNo(column, qint32(position) + 1, m_selected[std::size_t(position)] != 0);
    else
        m_draw->SetNo(column, 0, false);
}

void clsTSingle::MovePage(qint32 lngPage) {
    guarded(QStringLiteral("MovePage"), [&] {
        // Callers keep the page in range; a page outside it would show positions that do not exist.
        m_page = std::clamp(lngPage, 0, m_lastPage);
        for (int column = 0; column < PageSize; ++column) {
            const qint64 position = qint64(m_page) * PageSize + column;
            const qint32 single =
                position < SingleCount() ? m_singles[std::size_t(position)] : qint32(-1);
            drawNumber(column);
            m_draw->SetMark(column, single);
            m_list->SetData(column, single);
        }
        m_turners.show(m_page, m_lastPage);
    });
}

void clsTSingle::MovePageLast() {
    MovePage(m_lastPage);
}

void clsTSingle::movePrevious() {
    MovePage(std::max(m_page - 1, 0));
}

void clsTSingle::moveNext() {
    MovePage(std::min(m_page + 1, m_lastPage));
}

void clsTSingle::SetAllSelect(bool blnValue) {
    if (m_singles.empty())
        return;
    std::fill(m_selected.begin(), m_selected.end(), quint8(blnValue ? 1 : 0));
    for (int column = 0; column < PageSize; ++column)
        drawNumber(column);
}

void clsTSingle::onNoClick(int Index) {
    const qint64 position = qint64(m_page) * PageSize + Index;
    if (position >= SingleCount())
        return;
    quint8& flag = m_selected[std::size_t(position)];
    flag = flag ? 0 : 1;
    drawNumber(Index);
}

void clsTSingle::onMouseDown(int Index, int Mark, int Game, Qt::MouseButton Button) {
    guarded(QStringLiteral("MouseDown"), [&] {
        const qint64 position = qint64(m_page) * PageSize + Index;
        if (position >= SingleCount()) {
            // A click there adds a blank single; a typed mark (no button) is kept on it, so
            // that typing on in the same place does not add one blank single after another.
            SingleCodec::Marks marks{};
            if (Button == Qt::NoButton)
                marks[std::size_t(Game)] = quint8(Mark);
            appendSingle(SingleCodec::encode(marks), marks);
            m_draw->area()->setFocusCell(int((SingleCount() - 1) % PageSize), Game);
            return;
        }
        if (m_editLock) {
            if (Platform::current().askYesNo(
                    QStringLiteral("編集がロックされています。編集のロックを解除しますか？"),
                    AppInfo::title(), MessageIcon::Information, false))
                Q_EMIT ChangeLock(false);
            if (m_editLock)
                return;
        }
        const auto e = std::size_t(position);
        const auto k = std::size_t(Game);
        SingleCodec::Marks marks = SingleCodec::marks(m_singles[e]);
        const int oldMark = marks[k];
        marks[k] = quint8(Mark);
        const qint32 single = SingleCodec::encode(marks);
        m_singles[e] = single;
        Q_EMIT ChangeValue(qint32(position), single);
        m_draw->SetMark(Index, single);
        m_list->SetData(Index, single);
        --m_frame[std::size_t(oldMark)][k];
        ++m_frame[std::size_t(Mark)][k];
        Q_EMIT ChangeFrame(m_frame);
    });
}

void clsTSingle::appendSingle(qint32 lngNo, const SingleCodec::Marks& marks) {
    std::vector<qint32> singles;
    singles.reserve(m_singles.size() + 1);
    singles.assign(m_singles.begin(), m_singles.end());
    singles.push_back(lngNo);
    for (std::size_t k = 0; k < marks.size(); ++k)
        ++m_frame[marks[k]][k];
    Q_EMIT ChangeCount(qint32(singles.size()), singles);
    Q_EMIT ChangeFrame(m_frame);
    MovePageLast();
}

void clsTSingle::Add() {
    guarded(QStringLiteral("Add"), [&] { appendSingle(0, SingleCodec::Marks{}); });
}

void clsTSingle::AddEx(const QString& strMarks) {
    guarded(QStringLiteral("AddEx"), [&] {
        if (strMarks.size() != MatchCount)
            throw RuntimeError::invalidCall();
        SingleCodec::Marks marks{};
        for (int k = 0; k < MatchCount; ++k) {
            const char16_t digit = strMarks.at(k).unicode();
            if (digit < u'0' || digit > u'2')
                throw RuntimeError::invalidCall();
            marks[std::size_t(k)] = quint8(digit - u'0');
        }
        appendSingle(SingleCodec::encode(marks), marks);
    });
}

void clsTSingle::SelectDelete() {
    guarded(QStringLiteral("SelectDelete"), [&] {
        if (m_singles.empty())
            return;
        const auto selected =
            std::size_t(std::count(m_selected.begin(), m_selected.end(), quint8(1)));
        Platform& platform = Platform::current();
        if (selected == 0) {
            platform.showMessage(QStringLiteral("削除対象のシングルが選択されていません"),
                                 DeleteTitle, MessageIcon::Information);
            return;
        }
        if (!platform.askYesNo(QStringLiteral("選択シングルを削除します。よろしいですか？"),
                               DeleteTitle, MessageIcon::Information, false))
            return;
        std::vector<qint32> kept;
        kept.reserve(m_singles.size() - selected);
        for (std::size_t i = 0; i < m_singles.size(); ++i) {
            if (!m_selected[i]) {
                kept.push_back(m_singles[i]);
                continue;
            }
            const SingleCodec::Marks& marks = SingleCodec::marks(m_singles[i]);
            for (std::size_t k = 0; k < marks.size(); ++k)
                --m_frame[marks[k]][k];
        }
        Q_EMIT ChangeCount(qint32(kept.size()), kept);
        Q_EMIT ChangeFrame(m_frame);
        MovePage(std::min(m_page, m_lastPage));
    });
}

void clsTSingle::SetBackMode() {
    m_draw->SetBackMode();
}

void clsTSingle::SetVoteData(const VoteData& vote) {
    m_list->SetVoteData(vote);
}

void clsTSingle::onKeyCommand(MarkAreaWidget::KeyCommand command) {
    switch (command) {
    case MarkAreaWidget::KeyCommand::PreviousPage:
        movePrevious();
        break;
    case MarkAreaWidget::KeyCommand::NextPage:
        moveNext();
        break;
    case MarkAreaWidget::KeyCommand::FirstPage:
        MovePage(0);
        break;
    case MarkAreaWidget::KeyCommand::LastPage:
        MovePageLast();
        break;
    case MarkAreaWidget::KeyCommand::Delete:
        SelectDelete();
        break;
    case MarkAreaWidget::KeyCommand::Insert:
        Add();
        break;
    }
}
