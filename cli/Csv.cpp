#include "Csv.h"

namespace {

bool NeedsQuotes(const QByteArray& field) {
    return field.contains(',') || field.contains('"') || field.contains('\n') ||
           field.contains('\r') || field.startsWith(' ') || field.endsWith(' ');
}

}  // namespace

QByteArray CsvLine(const CsvRow& fields) {
    QList<QByteArray> written;
    for (const QByteArray& field : fields) {
        written << (NeedsQuotes(field) ? '"' + QByteArray(field).replace("\"", "\"\"") + '"'
                                       : field);
    }
    return written.join(',') + "\r\n";
}

QList<CsvRow> ParseCsv(const QByteArray& document) {
    QList<CsvRow> rows;
    CsvRow row;
    QByteArray field;
    bool quoted = false;
    bool rowStarted = false;
    for (qsizetype i = 0; i < document.size(); ++i) {
        const char c = document[i];
        if (quoted) {
            if (c == '"' && i + 1 < document.size() && document[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            rowStarted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
            rowStarted = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < document.size() && document[i + 1] == '\n') {
                ++i;
            }
            if (rowStarted || !field.isEmpty()) {
                row << field;
                rows << row;
            }
            row.clear();
            field.clear();
            rowStarted = false;
        } else {
            field += c;
            rowStarted = true;
        }
    }
    if (rowStarted || !field.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}
