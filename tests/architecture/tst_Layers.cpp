// Dependencies point one way: every #include under src/ may name its own layer or a lower one,
// widgets know nothing of the lottery, and no logic file includes a Qt Widgets header. The
// table below maps each folder of src/ to its layer; HACKING.md and the README list the same
// folders in the same order.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Layer {
    QString folder;
    bool ui;       // built into the UI library: may include Qt Widgets headers
    bool baseOnly; // knows nothing of the lottery: includes nothing above base
};

// Lowest first; a folder is its layer.
const QList<Layer> kLayers = {
    {u"base"_s, false, false},      {u"drawdata"_s, false, false}, {u"web"_s, false, false},
    {u"documents"_s, false, false}, {u"singles"_s, false, false},  {u"results"_s, false, false},
    {u"io"_s, false, false},        {u"analysis"_s, false, false}, {u"widgets"_s, true, true},
    {u"views"_s, true, false},      {u"app"_s, true, false},
};

int layerOf(const QString& relativePath) {
    const QString folder = relativePath.section(u'/', 0, 0);
    for (int i = 0; i < kLayers.size(); ++i)
        if (kLayers[i].folder == folder)
            return i;
    return -1;
}

class IncludeRules {
public:
    explicit IncludeRules(QSet<QString> widgetsHeaders)
        : m_widgetsHeaders(std::move(widgetsHeaders)) {}

    // One line per broken rule in the text of a file given relative to src/.
    QStringList violations(const QString& relativePath, const QString& text) const {
        static const QRegularExpression includeLine(u"^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"_s,
                                                    QRegularExpression::MultilineOption);
        QStringList found;
        const int own = layerOf(relativePath);
        if (own < 0) {
            found << relativePath + u": folder not in the layer table"_s;
            return found;
        }
        const Layer& layer = kLayers[own];
        auto it = includeLine.globalMatch(text);
        while (it.hasNext()) {
            const auto match = it.next();
            const QString target = match.captured(2);
            if (match.captured(1) == u"<"_s) {
                if (!layer.ui && isWidgetsHeader(target))
                    found << relativePath + u": Widgets header <"_s + target +
                                 u"> in a logic file"_s;
                continue;
            }
            if (!target.contains(u'/'))
                continue; // a file beside this one: its own layer by construction
            const int other = layerOf(target);
            if (other < 0)
                found << relativePath + u" includes "_s + target + u" of no layer"_s;
            else if (other > own || (layer.baseOnly && other != own && other != 0))
                found << relativePath + u" ("_s + layer.folder + u") includes "_s + target +
                             u" ("_s + kLayers[other].folder + u")"_s;
        }
        return found;
    }

private:
    bool isWidgetsHeader(const QString& header) const {
        return header == u"QtWidgets"_s || header.startsWith(u"QtWidgets/"_s) ||
               m_widgetsHeaders.contains(header);
    }

    QSet<QString> m_widgetsHeaders;
};

QSet<QString> readWidgetsHeaders() {
    const QStringList names =
        QDir(QStringLiteral(KELVOR_WIDGETS_INCLUDE_DIR)).entryList(QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// The folders a document names, in its order: the captured group of each matching line.
QStringList foldersIn(const QString& document, const QRegularExpression& line) {
    QFile file(QStringLiteral(KELVOR_SOURCE_DIR) + u"/../"_s + document);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList folders;
    auto it = line.globalMatch(QString::fromUtf8(file.readAll()));
    while (it.hasNext())
        folders << it.next().captured(1);
    return folders;
}

QStringList tableFolders() {
    QStringList folders;
    for (const Layer& layer : kLayers)
        folders << layer.folder;
    return folders;
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
        QTest::newRow("logic includes a view")
            << u"singles/clsTMoney.cpp"_s << u"#include \"views/clsTSingleDraw.h\""_s << true;
        QTest::newRow("widgets include a view")
            << u"widgets/CellGrid.cpp"_s << u"#include \"views/clsTSingleDraw.h\""_s << true;
        QTest::newRow("widgets include lottery logic")
            << u"widgets/CellGrid.cpp"_s << u"#include \"singles/MarkAreaLayout.h\""_s << true;
        QTest::newRow("view includes the window")
            << u"views/clsTResult.cpp"_s << u"#include \"app/frmMain.h\""_s << true;
        QTest::newRow("logic includes QWidget")
            << u"results/clsTResultCheck.h"_s << u"#include <QWidget>"_s << true;
        QTest::newRow("logic includes a QtWidgets path")
            << u"base/Platform.h"_s << u"#include <QtWidgets/QLabel>"_s << true;
        QTest::newRow("unknown folder") << u"misc/Thing.h"_s << QString() << true;
        QTest::newRow("include of an unknown folder")
            << u"app/frmMain.cpp"_s << u"#include \"misc/Thing.h\""_s << true;
        QTest::newRow("web includes drawdata and Qt Core")
            << u"web/clsHtmlVote.h"_s << u"#include \"drawdata/VoteData.h\"\n#include <QString>"_s
            << false;
        QTest::newRow("widget includes base and QWidget")
            << u"widgets/CellGrid.h"_s << u"#include \"base/RuntimeError.h\"\n#include <QWidget>"_s
            << false;
        QTest::newRow("view includes widgets and logic")
            << u"views/clsTSingleDraw.cpp"_s
            << u"#include \"widgets/CellGrid.h\"\n#include \"singles/clsTMoney.h\"\n#include <QWidget>"_s
            << false;
        QTest::newRow("app includes anything")
            << u"app/frmMain.cpp"_s << u"#include \"views/clsTSingleDraw.h\"\n#include <QLabel>"_s
            << false;
    }

    void plantedFaultsAreFound() {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(bool, broken);
        const QStringList found =
            IncludeRules({u"QWidget"_s, u"QLabel"_s, u"qwidget.h"_s}).violations(file, text);
        QVERIFY2(found.isEmpty() != broken, qPrintable(found.join(u'\n')));
    }

    void sourceTreeKeepsTheLayers() {
        const QSet<QString> widgetsHeaders = readWidgetsHeaders();
        QVERIFY2(widgetsHeaders.contains(u"QWidget"_s), "Qt Widgets headers not found");
        const IncludeRules rules(widgetsHeaders);

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

    // The newcomer's map and the README draw the same house as the table.
    void documentsListTheSameLayers() {
        static const QRegularExpression hackingRow(u"^\\| \\w+ \\| `src/(\\w+)/` \\|"_s,
                                                   QRegularExpression::MultilineOption);
        static const QRegularExpression readmeRow(u"^src/(\\w+)/ "_s,
                                                  QRegularExpression::MultilineOption);
        QCOMPARE(foldersIn(u"HACKING.md"_s, hackingRow), tableFolders());
        QCOMPARE(foldersIn(u"README.md"_s, readmeRow), tableFolders());
    }
};

QTEST_GUILESS_MAIN(tst_Layers)
#include "tst_Layers.moc"
