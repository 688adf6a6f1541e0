#include "drawdata/DrawDocumentDates.h"

#include "drawdata/DrawDocumentValues.h"
#include "drawdata/DrawDocumentWriter.h"

using namespace Qt::StringLiterals;

namespace DrawDocumentDates {

namespace {

enum Field { SaleStart, SaleEnd, ResultDate, PayoutStart, PayoutDeadline };

struct Tag {
    QStringView path;
    Field field;
};

// The elements of the dates; a cancelled draw keeps its refund dates in the result and payout
// fields.
constexpr std::array<Tag, 6> DateTags{{{u"<販売開始日>", SaleStart},
                                       {u"<販売終了日>", SaleEnd},
                                       {u"<結果発表日>", ResultDate},
                                       {u"<結果速報発表日>", ResultDate},
                                       {u"<払戻開始日>", PayoutStart},
                                       {u"<払戻期限>", PayoutDeadline}}};
constexpr std::array<Tag, 3> RefundTags{{{u"<返還確定日>", ResultDate},
                                         {u"<返還開始日>", PayoutStart},
                                         {u"<返還期限>", PayoutDeadline}}};

template <std::size_t N>
bool applyTagged(const std::array<Tag, N>& tags, const Fields& fields, const QString& path,
                 const QString& value) {
    for (const Tag& tag : tags) {
        if (path == tag.path) {
            *fields[tag.field] = DrawDocumentValues::toDateTime(value);
            return true;
        }
    }
    return false;
}

} // namespace

bool applyTo(const Fields& fields, const QString& path, const QString& value) {
    return applyTagged(DateTags, fields, path, value);
}

bool applyRefundTo(const Fields& fields, const QString& path, const QString& value) {
    return applyTagged(RefundTags, fields, path, value);
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
