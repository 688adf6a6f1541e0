#pragma once

#include <QWidget>
#include <array>

// The vertical page strip at the left of the window: three clickable images (home, singles,
// check), the current one drawn highlighted.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int PageCount = 3;

    explicit TabStrip(QWidget* parent = nullptr);

    void setCurrent(int page);
    int current() const { return m_current; }
    // The page image's area, for clicks in tests.
    QRect tabRect(int page) const;
    // "ホーム", "シングル", "チェック".
    static QString pageName(int page);

    // The picture of one page image, normal or highlighted, drawn by the program itself.
    static QPixmap tabPicture(int page, bool highlighted);

    QSize sizeHint() const override;

Q_SIGNALS:
    void tabClicked(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_current = 0;
};
