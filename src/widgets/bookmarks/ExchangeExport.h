#pragma once
// Asking where an exchange file goes and writing it there, for the bookmark and story panels.
#include "storage/TableGram.h"

#include <QString>
#include <optional>

class QWidget;

namespace kivra {

// The chosen path for an export, with the extension added when the name has none; the empty text
// when cancelled. Declining to replace a file goes back to the dialog.
QString AskExportPath(QWidget* parent, const QString& title, const QString& initialName, const QString& filter,
                      const QString& extension);

// Writes table to path; tells the user when that failed (error when there is no table). True when
// a file was written.
bool WriteExchangeFileOrTell(QWidget* parent, const std::optional<TableGram>& table, const QString& path,
                             const QString& error);

} // namespace kivra
