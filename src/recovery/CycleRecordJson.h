#pragma once

#include "CycleRecord.h"

#include <QByteArray>
#include <string>
#include <variant>

namespace aerolap {

/// The record as the state file holds it: JSON, with the version of its format first.
QByteArray cycleRecordJson(const CycleRecord& record);

/// The record in `bytes`, or what is wrong with them, in words that follow the file's name.
std::variant<CycleRecord, std::string> parseCycleRecord(const QByteArray& bytes);

} // namespace aerolap
