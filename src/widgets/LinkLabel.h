#pragma once

#include <QLabel>

// A text that acts as a link: a left click, or Return, Enter or Space while it has the focus,
// announces `activated`. It is a Tab stop and frames its text while it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
