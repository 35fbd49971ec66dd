#pragma once

#include <QString>

// Associates a file extension with this program in the desktop's stores: a
// shared-mime-info package naming the file type, an application entry whose
// command opens the file with this program, the type's icon (by its position in
// the icon set) and the default application for the type. The stores lie below
// $XDG_DATA_HOME and $XDG_CONFIG_HOME. Answers false, writing nothing, when the
// extension was registered before and force is not set. The desktop is told to
// rebuild its caches only when the extension is registered for the first time.
// Failures to write are not reported.
bool RegisterFileType(const QString& extension, const QString& typeName, int iconPosition,
                      bool force);

// The parts of a registration, for tests.
namespace registration {
QString MimeType(const QString& typeName);
QString DesktopEntryName(const QString& typeName);
// The program as the desktop entry's Exec key holds it: quoted, escaped, and
// followed by the file argument.
QString ExecLine(const QString& program);
}  // namespace registration
