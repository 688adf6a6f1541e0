#include "app/QtCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace QtCatalogue {

QString japaneseFile() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
}

bool installJapanese() {
    // Qt's dialogs also take dates, sizes and a few words from the default locale, which would
    // otherwise follow the system's (English under C.UTF-8).
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // Owned by the application, which keeps it for as long as it runs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(japaneseFile()) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace QtCatalogue
