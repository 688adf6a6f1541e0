#pragma once

#include "drawdata/MatchCount.h"

#include <QObject>
#include <array>

class StackedBar;
class QWidget;

// Nine small bar graphs, one per match, in their own boxes inside a host. Visible takes the
// graph's index 0..8; SetGraph, SetValue and Click use the match number 1..9.
class clsTGraphEx : public QObject {
    Q_OBJECT

public:
    explicit clsTGraphEx(QObject* parent = nullptr);

    void Initialize(QWidget* objPictureBox);
    void Visible(int Index, bool blnValue);
    void AllVisible(bool blnValue);
    void ShowText(bool blnValue);
    // Places graph Index (1..9) and gives it three parts (marks 1, 0, 2 of a match) or four.
    void SetGraph3(int Index, int lngLeft, int lngTop, int lngWidth, int lngHeight);
    void SetValue3(int Index, qint64 value1, qint64 value2, qint64 value3);
    void SetGraph4(int Index, int lngLeft, int lngTop, int lngWidth, int lngHeight);
    void SetValue4(int Index, qint64 value1, qint64 value2, qint64 value3, qint64 value4);

    // Graph Index (1..9).
    StackedBar* graph(int Index) const;

Q_SIGNALS:
    void Click(int Index);

private:
    void place(int Index, const QRect& geometry, int parts);

    std::array<StackedBar*, MatchCount> m_graphs{};
};
