#include "CsvReader.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <utility>

namespace aerolap {

namespace {

/// The first line that holds something other than UTF-8 text. A line end is never part of a
/// multi-byte character, so each line can be checked by itself.
std::optional<CsvFault> notText(const QByteArray& bytes) {
    int line = 1;
    for (const QByteArray& text : bytes.split('\n')) {
        if (text.contains('\0')) {
            return CsvFault{line, "is not text (it holds a NUL byte)"};
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(text);
        if (decoder.hasError()) {
            return CsvFault{line, "is not UTF-8 text"};
        }
        ++line;
    }
    return std::nullopt;
}

/// The separator the header line uses outside quotes: a semicolon where it has more of those
/// than commas, as spreadsheets write where the comma is the decimal mark.
QChar separatorOf(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            break;
        } else if (!quoted) {
            commas += c == u',' ? 1 : 0;
            semicolons += c == u';' ? 1 : 0;
        }
    }
    return semicolons > commas ? u';' : u',';
}

class Parser {
public:
    explicit Parser(QString text) : m_text(std::move(text)), m_separator(separatorOf(m_text)) {}

    std::variant<CsvTable, CsvFault> parse() {
        const qsizetype size = m_text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const QChar c = m_text[i];
            if (m_quoted) {
                if (c == u'"' && i + 1 < size && m_text[i + 1] == u'"') {
                    m_field += c;
                    ++i;
                } else if (c == u'"') {
                    m_quoted = false;
                    m_closed = true;
                } else {
                    m_line += c == u'\n' ? 1 : 0;
                    m_field += c;
                }
            } else if (c == u'"') {
                if (!m_field.isEmpty() || m_wasQuoted) {
                    return CsvFault{m_line, "a quote inside a field: put the field in quotes "
                                            "and double the quote"};
                }
                m_quoted = m_wasQuoted = true;
                m_quoteLine = m_line;
            } else if (c == m_separator) {
                endField();
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < size && m_text[i + 1] == u'\n') {
                    ++i;
                }
                if (auto fault = endRow()) {
                    return *fault;
                }
                m_rowLine = ++m_line;
            } else if (m_closed) {
                return CsvFault{m_line, "text after a closing quote"};
            } else {
                m_field += c;
            }
        }
        if (m_quoted) {
            return CsvFault{m_quoteLine, "a quote opened here is never closed"};
        }
        if (auto fault = endRow()) {
            return *fault;
        }
        if (!m_table.header.line) {
            return CsvFault{1, "is empty: it needs a header row"};
        }
        return m_table;
    }

private:
    void endField() {
        m_row.push_back(std::exchange(m_field, {}));
        m_wasQuoted = m_closed = false;
    }

    std::optional<CsvFault> endRow() {
        const bool quotedSomething = m_wasQuoted;
        endField();
        const bool blank = !quotedSomething && std::ranges::all_of(m_row, &QString::isEmpty);
        std::vector<QString> fields = std::exchange(m_row, {});
        if (blank) {
            return std::nullopt;
        }
        if (!m_table.header.line) {
            m_table.header = {m_rowLine, std::move(fields)};
            return std::nullopt;
        }
        if (fields.size() != m_table.header.fields.size()) {
            return CsvFault{m_rowLine, "has " + std::to_string(fields.size()) +
                                           " fields where the header has " +
                                           std::to_string(m_table.header.fields.size())};
        }
        m_table.rows.push_back({m_rowLine, std::move(fields)});
        return std::nullopt;
    }

    QString m_text;
    QChar m_separator;
    CsvTable m_table;
    std::vector<QString> m_row;
    QString m_field;
    bool m_quoted = false;
    bool m_wasQuoted = false;
    bool m_closed = false;
    int m_line = 1;
    int m_rowLine = 1;
    int m_quoteLine = 1;
};

} // namespace

std::variant<CsvTable, CsvFault> readCsv(const QByteArray& bytes) {
    if (auto fault = notText(bytes)) {
        return *fault;
    }
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) {
        text.remove(0, 3);
    }
    return Parser(QString::fromUtf8(text)).parse();
}

} // namespace aerolap
