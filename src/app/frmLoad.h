#pragma once

#include <QWidget>

class QLabel;

// The splash window shown while the main window is built: the logo, the program's name and its
// copyright.
class frmLoad : public QWidget {
    Q_OBJECT

public:
    explicit frmLoad(QWidget* parent = nullptr);

    QLabel* lblCopyright() const { return m_copyright; }
    // Centres the window on the screen where the main window will appear.
    void centre();

private:
    QLabel* m_copyright;
};
