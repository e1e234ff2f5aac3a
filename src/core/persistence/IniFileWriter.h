#pragma once

#include "core/common/FileWriter.h"
#include "core/persistence/oIniFile.h"

#include <QByteArray>

namespace Velmora {

/// The written form of an INI-style file: "[name]", then "key=value" per key, then an empty
/// line, for each section; every line ends with CR LF; Windows-1252 text.
QByteArray IniFileText(const oIniFile &ini);

/// Writes `ini` to `path` whole, through a temporary file, so that a failed write leaves the
/// previous file as it was.
Result<void> WriteIniFile(const oIniFile &ini, const QString &path);

} // namespace Velmora
