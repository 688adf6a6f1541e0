#pragma once

#include <QWidget>

class CheckPage;
class HomePage;
class SingleList;
class SinglesPage;
class StatusBar;
class TabStrip;

// The main window's content panel: the tab strip down the left, the three pages beside it (one
// shown at a time) and the status bar along the foot, laid out whenever the panel is resized.
class MainContent : public QWidget {
    Q_OBJECT

public:
    MainContent(SingleList& list, QWidget* parent = nullptr);

    TabStrip* tabs() const { return m_tabs; }
    HomePage* home() const { return m_home; }
    SinglesPage* singlesPage() const { return m_singlesPage; }
    CheckPage* checkPage() const { return m_checkPage; }
    StatusBar* statusBar() const { return m_statusBar; }

    // How wide the panel must be for every control on its pages to show whole.
    int controlsWidth() const;
    // Page 0 home, 1 singles, 2 check: the tab marked and that page alone shown.
    void showOnly(int page);
    // White behind the tabs, each page in its own scheme.
    void applyColourScheme();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The tab strip's tips, one for each page image.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutParts();
    static void focusFirstStop(QWidget* page);

    TabStrip* m_tabs;
    HomePage* m_home;
    SinglesPage* m_singlesPage;
    CheckPage* m_checkPage;
    StatusBar* m_statusBar;
};
