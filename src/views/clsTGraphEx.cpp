#include "views/clsTGraphEx.h"

#include "base/RuntimeError.h"
#include "widgets/StackedBar.h"

namespace {

// Home win, other, away win, and a fourth part.
const std::vector<QColor>& partColors() {
    static const std::vector<QColor> colors = {QColor(232, 72, 56), QColor(120, 176, 72),
                                               QColor(48, 104, 216), QColor(160, 160, 160)};
    return colors;
}

} // namespace

clsTGraphEx::clsTGraphEx(QObject* parent) : QObject(parent) {}

void clsTGraphEx::Initialize(QWidget* objPictureBox) {
    for (int i = 0; i < MatchCount; ++i) {
        auto* bar = new StackedBar(objPictureBox);
        bar->setObjectName(QStringLiteral("picGraph_%1").arg(i));
        bar->setProperty("tag", i);
        connect(bar, &StackedBar::clicked, this, [this, i] { Q_EMIT Click(i + 1); });
        m_graphs[std::size_t(i)] = bar;
    }
}

StackedBar* clsTGraphEx::graph(int Index) const {
    if (Index < 1 || Index > MatchCount || !m_graphs[std::size_t(Index - 1)])
        throw RuntimeError::subscriptOutOfRange();
    return m_graphs[std::size_t(Index - 1)];
}

void clsTGraphEx::Visible(int Index, bool blnValue) {
    graph(Index + 1)->setVisible(blnValue);
}

void clsTGraphEx::AllVisible(bool blnValue) {
    for (int i = 1; i <= MatchCount; ++i)
        graph(i)->setVisible(blnValue);
}

void clsTGraphEx::ShowText(bool blnValue) {
    for (int i = 1; i <= MatchCount; ++i)
        graph(i)->setShowText(blnValue);
}

void clsTGraphEx::place(int Index, const QRect& geometry, int parts) {
    StackedBar* bar = graph(Index);
    bar->setGeometry(geometry);
    bar->setColors(std::vector<QColor>(partColors().begin(), partColors().begin() + parts));
}

void clsTGraphEx::SetGraph3(int Index, int lngLeft, int lngTop, int lngWidth, int lngHeight) {
    place(Index, QRect(lngLeft, lngTop, lngWidth, lngHeight), 3);
}

void clsTGraphEx::SetValue3(int Index, qint64 value1, qint64 value2, qint64 value3) {
    graph(Index)->setValues({value1, value2, value3});
}

void clsTGraphEx::SetGraph4(int Index, int lngLeft, int lngTop, int lngWidth, int lngHeight) {
    place(Index, QRect(lngLeft, lngTop, lngWidth, lngHeight), 4);
}

void clsTGraphEx::SetValue4(int Index, qint64 value1, qint64 value2, qint64 value3, qint64 value4) {
    graph(Index)->setValues({value1, value2, value3, value4});
}
