#include "drawdata/DrawDocumentWriter.h"

#include "base/AppInfo.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/ShiftJis.h"
#include "base/clsFileStream.h"

using namespace Qt::StringLiterals;

bool DrawDocumentWriter::StorableValue(const QString& value) {
    for (const QChar c : value) {
        if (c == u'<' || c == u'>' || c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    return ShiftJis::canEncode(value);
}

QString DrawDocumentWriter::FileName(const QString& folder, const QString& kind,
                                     qint32 lngKaisaikai, const QString& strKumi) {
    QString name =
        u"minibig"_s + u'_' + kind + u'_' + NumberFormat::format(qint64(lngKaisaikai), u"000"_s);
    if (!strKumi.isEmpty())
        name += u'_' + strKumi;
    name += u".xml"_s;
    return Platform::current().programFolder() + u"/SysData/"_s + folder + u'/' + name;
}

void DrawDocumentWriter::Header(const QString& style) {
    Line(u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"_s);
    Line(u"<?xml-stylesheet type=\"text/xsl\" href=\""_s + style + u"\"?>"_s);
}

void DrawDocumentWriter::Line(const QString& text) {
    m_text += text + u"\r\n"_s;
}

void DrawDocumentWriter::Element(const QString& name, const QString& value) {
    const QString written = ShiftJis::fitted(value);
    const QString change = value + u" → "_s + written;
    if (written != value && !m_fitted.contains(change))
        m_fitted.append(change);
    if (!StorableValue(written))
        m_storable = false;
    Line(u'<' + name + u'>' + written + u"</"_s + name + u'>');
}

void DrawDocumentWriter::Element(const QString& name, qint32 value) {
    Element(name, QString::number(value));
}

void DrawDocumentWriter::Element(const QString& name, Money value) {
    Element(name, value.toString());
}

void DrawDocumentWriter::Element(const QString& name, DateTime value) {
    Element(name, value.toGeneralText());
}

bool DrawDocumentWriter::Save(const QString& strPath, const ErrorReporter& reporter,
                              const QString& operation) const {
    clsFileStream stream;
    if (m_storable && stream.SaveToFile(strPath, m_text)) {
        if (!m_fitted.isEmpty())
            Platform::current().showMessage(
                u"Shift_JIS で保存できない文字を含む名前を、次のように置き換えて保存しました。"_s +
                    u"\r\n"_s + m_fitted.join(u"\r\n"_s),
                AppInfo::title(), MessageIcon::Information);
        return true;
    }
    reporter.failure(operation, strPath + u"\r\n"_s + u"ファイルの保存に失敗しました。"_s);
    return false;
}
