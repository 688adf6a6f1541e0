#include "drawdata/clsToto.h"

qint32 clsToto::GetMaxGrade(const ResultData& /*result*/) const {
    return ResultData::GradeCount;
}
