#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/VoteData.h"
#include "singles/CountCells.h"
#include "singles/SingleCodec.h"
#include "singles/clsTSingleFrame.h"
#include "views/MarkAreaWidget.h"
#include "widgets/PageIndicator.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <memory>
#include <span>
#include <vector>

class clsTCount;
class clsTSingleDraw;
class clsTSingleList;
class PageTurnImage;
class QLabel;
class QWidget;

// The singles view: the list ten singles to a page with its mark area, counts panel and summary
// grid. It keeps copies of the list, the selection and the single frame, and tells its owner of
// every change by ChangeValue, ChangeCount and ChangeFrame; the owner stores the data and hands
// it back with SetSingle and SetSingleFrame, on which the view relies (a deletion takes the new
// last page from the answering SetSingle).
class clsTSingle : public QObject {
    Q_OBJECT

public:
    static constexpr int PageSize = 10;

    explicit clsTSingle(QObject* parent = nullptr);
    ~clsTSingle() override;

    // Binds the mark area, the counts panel (columns 60, rows 26) and the summary grid (columns
    // 52, rows 28) to their hosts and loads the six mark pictures.
    void Initialize(QWidget* objPictureBox, QWidget* picCount, QWidget* picSList);
    void setSingleCountLabel(QLabel* label);
    void setPageLabel(QLabel* label);
    // The images' current pictures become the enabled pictures.
    void setMovePreviousImage(PageTurnImage* image);
    void setMoveNextImage(PageTurnImage* image);
    void setMovePreviousImageDisable(const QPixmap& picture);
    void setMoveNextImageDisable(const QPixmap& picture);
    // Counts or percentages in the counts panel.
    void setSinglePercent(bool blnValue);
    void setEditLock(bool blnValue) { m_editLock = blnValue; }
    bool EditLock() const { return m_editLock; }

    void SetSingleFrame(const SingleFrame& lngValue, const CountFlags& blnVisible);
    // Replaces the list copy and clears the selection; the page stays and nothing is redrawn.
    void SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle);
    // lngPage: 0..last page, as the callers keep it.
    void MovePage(qint32 lngPage);
    void MovePageLast();
    void SetAllSelect(bool blnValue);
    void Add();
    // strMarks: nine characters 0, 1 or 2, character k + 1 the mark of match index k.
    void AddEx(const QString& strMarks);
    void SelectDelete();
    void SetBackMode();
    void SetVoteData(const VoteData& vote);

    // The view's state, for its owner and for tests.
    qint32 SingleCount() const { return qint32(m_singles.size()); }
    const std::vector<qint32>& Singles() const { return m_singles; }
    bool Selected(qint32 position) const { return m_selected[std::size_t(position)] != 0; }
    qint32 Page() const { return m_page; }
    qint32 LastPage() const { return m_lastPage; }
    const SingleFrame& Frame() const { return m_frame; }
    clsTSingleDraw* draw() const { return m_draw.get(); }
    clsTCount* count() const { return m_count.get(); }
    clsTSingleList* list() const { return m_list.get(); }

Q_SIGNALS:
    void ChangeValue(qint32 lngIndex, qint32 lngValue);
    void ChangeFrame(const SingleFrame& lngSingleFrame);
    void ChangeCount(qint32 lngSingleCount, const std::vector<qint32>& lngSingle);
    void ChangeLock(bool blnValue);

private:
    template <typename F> void guarded(const QString& operation, F&& body);
    void onNoClick(int Index);
    void onMouseDown(int Index, int Mark, int Game, Qt::MouseButton Button);
    void onKeyCommand(MarkAreaWidget::KeyCommand command);
    void movePrevious();
    void moveNext();
    void drawNumber(int column);
    void appendSingle(qint32 lngNo, const SingleCodec::Marks& marks);

    std::vector<qint32> m_singles;
    // One flag per single (bytes: a vector<bool> would make every count a bit walk).
    std::vector<quint8> m_selected;
    qint32 m_lastPage = 0;
    qint32 m_page = 0;
    SingleFrame m_frame{};
    bool m_editLock = false;

    QPointer<QLabel> m_countLabel;
    PageIndicator m_turners;

    std::unique_ptr<clsTSingleDraw> m_draw;
    std::unique_ptr<clsTCount> m_count;
    std::unique_ptr<clsTSingleList> m_list;
    ErrorReporter m_reporter{QStringLiteral("clsTSingle")};
};
