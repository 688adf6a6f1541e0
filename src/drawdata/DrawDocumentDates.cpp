#include "drawdata/DrawDocumentDates.h"

#include "drawdata/DrawDocumentValues.h"
#include "drawdata/DrawDocumentWriter.h"

using namespace Qt::StringLiterals;

namespace DrawDocumentDates {

namespace {

enum Field { SaleStart, SaleEnd, ResultDate, PayoutStart, PayoutDeadline };

} // namespace

bool applyTo(const Fields& fields, const QString& path, const QString& value) {
    Field field = SaleStart;
    if (path == u"<販売開始日>"_s)
        field = SaleStart;
    else if (path == u"<販売終了日>"_s)
        field = SaleEnd;
    else if (path == u"<結果発表日>"_s || path == u"<結果速報発表日>"_s)
        field = ResultDate;
    else if (path == u"<払戻開始日>"_s)
        field = PayoutStart;
    else if (path == u"<払戻期限>"_s)
        field = PayoutDeadline;
    else
        return false;
    *fields[field] = DrawDocumentValues::toDateTime(value);
    return true;
}

bool applyRefundTo(const Fields& fields, const QString& path, const QString& value) {
    Field field = ResultDate;
    if (path == u"<返還確定日>"_s)
        field = ResultDate;
    else if (path == u"<返還開始日>"_s)
        field = PayoutStart;
    else if (path == u"<返還期限>"_s)
        field = PayoutDeadline;
    else
        return false;
    *fields[field] = DrawDocumentValues::toDateTime(value);
    return true;
}

void writeFrom(DrawDocumentWriter& writer, const Values& values, Written which) {
    if (which == Written::Refund) {
        writer.Element(u"返還確定日"_s, values[ResultDate]);
        writer.Element(u"返還開始日"_s, values[PayoutStart]);
        writer.Element(u"返還期限"_s, values[PayoutDeadline]);
        return;
    }
    writer.Element(u"販売開始日"_s, values[SaleStart]);
    writer.Element(u"販売終了日"_s, values[SaleEnd]);
    if (which == Written::SalePeriod)
        return;
    writer.Element(u"結果発表日"_s, values[ResultDate]);
    if (which == Written::SaleAndResult)
        return;
    writer.Element(u"払戻開始日"_s, values[PayoutStart]);
    writer.Element(u"払戻期限"_s, values[PayoutDeadline]);
}

} // namespace DrawDocumentDates
