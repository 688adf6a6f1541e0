#pragma once

#include <QLabel>

// A clickable picture of a page-turn arrow. The pictures are the program's own; a view may give
// it other pictures and switch between its enabled and disabled ones.
class PageTurnImage : public QLabel {
    Q_OBJECT

public:
    enum Direction { Previous, Next };

    PageTurnImage(Direction direction, QWidget* parent = nullptr);

    static QPixmap picture(Direction direction, bool enabled);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
