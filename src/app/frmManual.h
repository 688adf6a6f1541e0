#pragma once

#include <QWidget>

class QTextBrowser;

// The user manual (ヘルプ > 使い方, F1): the pages built into the program, in a window of their
// own beside the window that asked for it. One window per owner; asking again raises it.
class frmManual : public QWidget {
    Q_OBJECT

public:
    // The manual's first page among the program's resources.
    static QString startPage() { return QStringLiteral("qrc:/manual/index.html"); }

    // Shows owner's manual window, made on first use.
    static frmManual* showFor(QWidget* owner);

    QTextBrowser* browser() const { return m_browser; }

private:
    explicit frmManual(QWidget* owner);

    QTextBrowser* m_browser;
};
