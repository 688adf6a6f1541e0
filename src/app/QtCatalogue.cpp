#include "app/QtCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtCatalogue {

QString japaneseFile() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
}

bool installJapanese() {
    // Owned by the application, which keeps it for as long as it runs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(japaneseFile()) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace QtCatalogue
