#pragma once

#include <QIcon>
#include <QLabel>

// A clickable picture of a page-turn arrow. The pictures are the program's own, drawn at the
// screen's pixel ratio; a view may give it other pictures and switch between its enabled and
// disabled ones. The second press of a double click counts as a click of its own. While there is
// a page to turn to it is a Tab stop, framed with the focus, and Space or Return turns the page.
class PageTurnImage : public QLabel {
    Q_OBJECT

public:
    enum Direction { Previous, Next };
    static constexpr QSize PictureSize{24, 20};

    PageTurnImage(Direction direction, QWidget* parent = nullptr);

    // The arrow as a picture that draws itself sharp at any size and pixel ratio.
    static QIcon pictureIcon(Direction direction, bool enabled);
    // The same drawn at the application's pixel ratio.
    static QPixmap picture(Direction direction, bool enabled);

    // The tip shown while there is no page to turn to; the widget's own tool tip is the other.
    void setDisabledToolTip(const QString& text) { m_disabledToolTip = text; }
    const QString& disabledToolTip() const { return m_disabledToolTip; }
    // Whether there is a page to turn to: the hand pointer, a Tab stop and the keys, or none.
    void setCanTurn(bool canTurn);
    bool canTurn() const { return m_canTurn; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_disabledToolTip;
    bool m_canTurn = true;
};
