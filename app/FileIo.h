#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes that report failures as FileError.

QByteArray ReadWholeFile(const QString& path);

// Writes through a temporary file beside the target and replaces the target only
// once every byte is on disk, so a failed write leaves any earlier file untouched.
// A private file can be read by its owner only.
void WriteFileAtomically(const QString& path, const QByteArray& data, bool privateFile = false);
