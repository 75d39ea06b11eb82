#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <variant>
#include <vector>

namespace aerolap {

struct CsvRow {
    /// The line of the file the row starts on, counted from 1.
    int line = 0;
    std::vector<QString> fields;
};

/// A table as spreadsheets and scoring programs write it: the header row, then the rows, each
/// with as many fields as the header. Blank rows are left out.
struct CsvTable {
    CsvRow header;
    std::vector<CsvRow> rows;
};

struct CsvFault {
    int line = 0;
    std::string what;
};

/// Reads comma- or semicolon-separated text, the separator being the one the header line uses:
/// UTF-8 with or without a byte-order mark, CRLF, LF or CR line ends, fields in double quotes
/// with doubled quotes inside (RFC 4180). Strict: anything else is the first fault and its line,
/// so that a file is never half understood.
std::variant<CsvTable, CsvFault> readCsv(const QByteArray& bytes);

} // namespace aerolap
