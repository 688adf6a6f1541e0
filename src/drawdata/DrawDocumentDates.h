#pragma once

#include "base/DateTime.h"

#include <QString>
#include <array>

class DrawDocumentWriter;

// The sale, result and payout dates that the schedule, vote and result documents all carry,
// read and written in one place. Each record has the five fields SaleStart, SaleEnd,
// ResultDate, PayoutStart and PayoutDeadline.
namespace DrawDocumentDates {

// Which dates a document writes, in this order: the sale period ("販売開始日", "販売終了日"),
// then the result date ("結果発表日"), then the payout dates ("払戻開始日", "払戻期限"). A
// cancelled draw writes its refund dates instead ("返還確定日", "返還開始日", "返還期限" from
// ResultDate, PayoutStart and PayoutDeadline).
enum class Written { SalePeriod, SaleAndResult, SaleResultAndPayout, Refund };

using Fields = std::array<DateTime*, 5>;
using Values = std::array<DateTime, 5>;

// Sets the date that the element path names ("<販売開始日>"; the result date is also read from
// "<結果速報発表日>"); false for any other path. A value that is not a date throws
// RuntimeError::typeMismatch().
bool applyTo(const Fields& fields, const QString& path, const QString& value);
// The same for the refund dates of a cancelled draw ("<返還確定日>", "<返還開始日>", "<返還期限>"),
// which go back into ResultDate, PayoutStart and PayoutDeadline.
bool applyRefundTo(const Fields& fields, const QString& path, const QString& value);
void writeFrom(DrawDocumentWriter& writer, const Values& values, Written which);

template <typename Record> bool apply(Record& data, const QString& path, const QString& value) {
    return applyTo(
        {&data.SaleStart, &data.SaleEnd, &data.ResultDate, &data.PayoutStart, &data.PayoutDeadline},
        path, value);
}

template <typename Record>
bool applyRefund(Record& data, const QString& path, const QString& value) {
    return applyRefundTo(
        {&data.SaleStart, &data.SaleEnd, &data.ResultDate, &data.PayoutStart, &data.PayoutDeadline},
        path, value);
}

template <typename Record>
void write(DrawDocumentWriter& writer, const Record& data, Written which) {
    writeFrom(
        writer,
        {data.SaleStart, data.SaleEnd, data.ResultDate, data.PayoutStart, data.PayoutDeadline},
        which);
}

} // namespace DrawDocumentDates
