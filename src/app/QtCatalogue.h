#pragma once

#include <QString>

// Qt's own texts in Japanese: the buttons of message boxes, the file dialogs and their messages.
namespace QtCatalogue {

// The Japanese catalogue of Qt's own texts as the system's Qt installs it.
QString japaneseFile();

// Loads the catalogue into the running application and makes Japanese the default locale,
// whatever the system's. False when the system has no such catalogue (the standard dialogs then
// stay in English).
bool installJapanese();

} // namespace QtCatalogue
