#pragma once

#include <QWidget>
#include <array>

// The vertical page strip at the left of the window: three clickable images (home, singles,
// check), the current one drawn highlighted. Reached by Tab it frames one image, which the arrow
// keys move and Return or Space chooses as a click does.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int PageCount = 3;

    explicit TabStrip(QWidget* parent = nullptr);

    void setCurrent(int page);
    int current() const { return m_current; }
    // The image framed while the strip has the keyboard focus.
    int focusTab() const { return m_focusTab; }
    // The page image's area, for clicks in tests.
    QRect tabRect(int page) const;
    // "ホーム", "シングル", "チェック".
    static QString pageName(int page);

    // The picture of one page image, normal or highlighted, drawn by the program itself at the
    // given device pixel ratio, so that it is sharp on a scaled screen.
    static QPixmap tabPicture(int page, bool highlighted, qreal devicePixelRatio = 1.0);

    // The strip's background image: a band in the strip's colours that runs along the top of the
    // pages. `size` is in logical pixels.
    static QPixmap backgroundPicture(QSize size, qreal devicePixelRatio);
    // Places the background image in the strip's parent, `left` pixels from its left edge and
    // stretched to `screenWidth`, above the pages.
    void placeBackground(int left, int screenWidth);
    // The placed background image; nullptr before placeBackground.
    QWidget* background() const { return m_background; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void tabClicked(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setFocusTab(int page);

    int m_current = 0;
    int m_focusTab = 0;
    QWidget* m_background = nullptr;
};
