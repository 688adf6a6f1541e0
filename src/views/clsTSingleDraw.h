#pragma once

#include "base/ErrorReporter.h"
#include "views/MarkAreaWidget.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

class QWidget;

// The mark area of the singles view: ten columns of a number label and the 3 x 9 mark cells,
// drawn in a host picture box. Columns are page columns 0..9; marks are 0..2 and matches 0..8.
class clsTSingleDraw : public QObject {
    Q_OBJECT

public:
    explicit clsTSingleDraw(QObject* parent = nullptr);

    // Builds the area inside objPictureBox and draws its background.
    void Initialize(QWidget* objPictureBox);
    // The picture of mark lngNo (0..2) for state lngMark (0 not chosen, 1 chosen).
    void SetImage(int lngNo, int lngMark, const QIcon& objImage);
    // The number label of column Index: lngValue (empty below 1), white on black when selected.
    void SetNo(int Index, qint32 lngValue, bool blnSelect);
    // Shows single number lngValue in column Index (no mark chosen for a negative number);
    // only the cells whose state changes are repainted.
    void SetMark(int Index, qint32 lngValue);
    void SetBackMode();

    MarkAreaWidget* area() const { return m_area; }

Q_SIGNALS:
    void NoClick(int Index);
    // Game: match index 0..8.
    void MouseDown(int Index, int Mark, int Game, Qt::MouseButton Button);
    // Page Up/Down, Home/End, Delete and Insert pressed in the area.
    void KeyCommand(MarkAreaWidget::KeyCommand command);

private:
    QPointer<MarkAreaWidget> m_area;
    ErrorReporter m_reporter{QStringLiteral("clsTSingleDraw")};
};
