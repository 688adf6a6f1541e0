#pragma once

#include "app/DownloadState.h"

#include <QString>

class QWidget;

// The tool tips of the main window's pages and of the analysis window: what a control does, and
// for a greyed one why it is greyed. The texts are kept together so that they read alike.
namespace ControlTips {

// Gives every control under `root` whose object name has a fixed tip that tip.
void apply(QWidget* root);

// The page images of the tab strip: 0 home, 1 singles, 2 check.
QString tab(int page);

// An official download button (0 schedule, 1 vote, 2 result) for the current draw.
QString officialDownload(int index, DownloadState state);

// Why the check page's reveal buttons are what they are.
enum class Reveal { SomeHidden, NoResult, AllShown };
QString showNext(Reveal state);
QString showAll(Reveal state);

// A page turner, the next or the previous one, with or without a page to turn to.
QString pageTurn(bool next, bool canTurn);

// The number dialog's text box, and its O K button while the marks are complete or not.
QString numbersText();
QString numbersOk(bool complete);
// The connection window's stop button.
enum class Stop { Idle, Downloading, Requested };
QString stopDownload(Stop state);

} // namespace ControlTips
