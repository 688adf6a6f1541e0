#pragma once

#include <QFrame>

class QLabel;

// The single text field along the bottom of the window.
class StatusBar : public QFrame {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    QLabel* m_label;
};
