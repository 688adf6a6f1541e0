#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

// A horizontal bar made of three or four parts, each as wide as its share of the values, in
// the colours given. Optionally each part carries its value as text. A click is reported.
class StackedBar : public QWidget {
    Q_OBJECT

public:
    explicit StackedBar(QWidget* parent = nullptr);

    void setValues(const std::vector<qint64>& values);
    const std::vector<qint64>& values() const { return m_values; }
    void setColors(const std::vector<QColor>& colors);
    void setShowText(bool show);
    bool showText() const { return m_showText; }

    // The parts' rectangles in widget coordinates, as painted.
    std::vector<QRect> partRects() const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<qint64> m_values;
    std::vector<QColor> m_colors;
    bool m_showText = false;
};
