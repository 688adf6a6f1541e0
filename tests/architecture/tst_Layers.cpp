// Dependencies point one way: every #include under src/ may name its own layer or a lower one,
// and no logic file includes a Qt Widgets header. The layer table below is the one place the
// order is written down.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Lowest first. A file in a logic folder that the build puts into the UI library is a view and
// sits in the "views" layer, above the widgets it is built from.
const QStringList kLayerOrder = {
    u"base"_s, u"drawdata"_s, u"web"_s,     u"documents"_s, u"singles"_s, u"results"_s,
    u"io"_s,   u"analysis"_s, u"widgets"_s, u"views"_s,     u"app"_s,
};
const QStringList kUiFolders = {u"widgets"_s, u"app"_s};

class IncludeRules {
public:
    // uiFiles: paths relative to src/ of every file the build puts into the UI library.
    IncludeRules(QSet<QString> uiFiles, QSet<QString> widgetsHeaders)
        : m_uiFiles(std::move(uiFiles)), m_widgetsHeaders(std::move(widgetsHeaders)) {}

    // The layer of a file given relative to src/, or -1 when its folder is not in the table.
    int layerOf(const QString& relativePath) const {
        const QString folder = relativePath.section(u'/', 0, 0);
        if (!kUiFolders.contains(folder) && isUiFile(relativePath))
            return int(kLayerOrder.indexOf(u"views"_s));
        return int(kLayerOrder.indexOf(folder));
    }

    // One line per broken rule in the file's text.
    QStringList violations(const QString& relativePath, const QString& text) const {
        static const QRegularExpression includeLine(u"^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"_s,
                                                    QRegularExpression::MultilineOption);
        QStringList found;
        const int ownLayer = layerOf(relativePath);
        if (ownLayer < 0) {
            found << relativePath + u": folder not in the layer table"_s;
            return found;
        }
        const bool isCore = ownLayer < kLayerOrder.indexOf(u"widgets"_s);
        auto it = includeLine.globalMatch(text);
        while (it.hasNext()) {
            const auto match = it.next();
            const QString target = match.captured(2);
            if (match.captured(1) == u"<"_s) {
                if (isCore && isWidgetsHeader(target))
                    found << relativePath + u": Widgets header <"_s + target +
                                 u"> in a logic file"_s;
                continue;
            }
            if (!target.contains(u'/'))
                continue; // a file beside this one: its own layer by construction
            const int targetLayer = layerOf(target);
            if (targetLayer > ownLayer)
                found << relativePath + u" ("_s + kLayerOrder[ownLayer] + u") includes "_s +
                             target + u" ("_s + kLayerOrder[targetLayer] + u")"_s;
        }
        return found;
    }

private:
    bool isUiFile(const QString& relativePath) const {
        if (m_uiFiles.contains(relativePath))
            return true;
        // A header whose source file is listed (or the reverse) belongs with it.
        QString sibling = relativePath;
        if (sibling.endsWith(u".h"_s))
            sibling.replace(sibling.size() - 2, 2, u".cpp"_s);
        else if (sibling.endsWith(u".cpp"_s))
            sibling.replace(sibling.size() - 4, 4, u".h"_s);
        return m_uiFiles.contains(sibling);
    }

    bool isWidgetsHeader(const QString& header) const {
        return header == u"QtWidgets"_s || header.startsWith(u"QtWidgets/"_s) ||
               m_widgetsHeaders.contains(header);
    }

    QSet<QString> m_uiFiles;
    QSet<QString> m_widgetsHeaders;
};

QSet<QString> readUiFiles() {
    QFile list(QStringLiteral(KELVOR_UI_SOURCE_LIST));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString srcPrefix = QDir(QStringLiteral(KELVOR_SOURCE_DIR)).absolutePath() + u'/';
    QSet<QString> files;
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n')) {
        if (line.startsWith(srcPrefix))
            files.insert(line.mid(srcPrefix.size()));
    }
    return files;
}

QSet<QString> readWidgetsHeaders() {
    const QStringList names =
        QDir(QStringLiteral(KELVOR_WIDGETS_INCLUDE_DIR)).entryList(QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

IncludeRules plantedRules() {
    return IncludeRules({u"singles/clsTSingleDraw.cpp"_s, u"app/frmMain.cpp"_s},
                        {u"QWidget"_s, u"QLabel"_s, u"qwidget.h"_s});
}

} // namespace

class tst_Layers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plantedFaultsAreFound_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("broken");
        QTest::newRow("drawdata includes web")
            << u"drawdata/clsSchedule.h"_s << u"#include \"web/clsHtmlSchedule.h\"\n"_s << true;
        QTest::newRow("web includes documents")
            << u"web/clsHtmlVote.cpp"_s << u"  #  include \"documents/clsSchedule.h\""_s << true;
        QTest::newRow("logic includes a view of its own folder")
            << u"singles/clsTMoney.cpp"_s << u"#include \"singles/clsTSingleDraw.h\""_s << true;
        QTest::newRow("widgets include a view")
            << u"widgets/CellGrid.cpp"_s << u"#include \"singles/clsTSingleDraw.h\""_s << true;
        QTest::newRow("logic includes QWidget")
            << u"results/clsTResultCheck.h"_s << u"#include <QWidget>"_s << true;
        QTest::newRow("logic includes a QtWidgets path")
            << u"base/Platform.h"_s << u"#include <QtWidgets/QLabel>"_s << true;
        QTest::newRow("unknown folder") << u"misc/Thing.h"_s << QString() << true;
        QTest::newRow("web includes drawdata and Qt Core")
            << u"web/clsHtmlVote.h"_s << u"#include \"drawdata/VoteData.h\"\n#include <QString>"_s
            << false;
        QTest::newRow("view includes widgets and logic")
            << u"singles/clsTSingleDraw.cpp"_s
            << u"#include \"widgets/CellGrid.h\"\n#include \"singles/clsTMoney.h\"\n#include <QWidget>"_s
            << false;
        QTest::newRow("app includes anything")
            << u"app/frmMain.cpp"_s << u"#include \"singles/clsTSingleDraw.h\"\n#include <QLabel>"_s
            << false;
    }

    void plantedFaultsAreFound() {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(bool, broken);
        const QStringList found = plantedRules().violations(file, text);
        QVERIFY2(found.isEmpty() != broken, qPrintable(found.join(u'\n')));
    }

    void sourceTreeKeepsTheLayers() {
        const QSet<QString> uiFiles = readUiFiles();
        QVERIFY2(!uiFiles.isEmpty(), "the build's list of UI sources is missing");
        const QSet<QString> widgetsHeaders = readWidgetsHeaders();
        QVERIFY2(widgetsHeaders.contains(u"QWidget"_s), "Qt Widgets headers not found");
        const IncludeRules rules(uiFiles, widgetsHeaders);

        const QDir src(QStringLiteral(KELVOR_SOURCE_DIR));
        QStringList found;
        int files = 0;
        QDirIterator it(src.path(), {u"*.h"_s, u"*.cpp"_s}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = src.relativeFilePath(path);
            if (!relative.contains(u'/'))
                continue; // main.cpp: the program itself, above every layer
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            found << rules.violations(relative, QString::fromUtf8(file.readAll()));
            ++files;
        }
        QVERIFY(files > 50);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(tst_Layers)
#include "tst_Layers.moc"
