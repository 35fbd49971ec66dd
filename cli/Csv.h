#pragma once

#include <QByteArray>
#include <QList>

// Comma-separated values as RFC 4180 has them; texts are bytes, unconverted.
using CsvRow = QList<QByteArray>;

QByteArray CsvLine(const CsvRow& fields);
// Every row of a document; quoted fields may hold commas, quotes and line breaks.
QList<CsvRow> ParseCsv(const QByteArray& document);
