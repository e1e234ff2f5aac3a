#pragma once

#include "core/common/Result.h"

#include <QString>

namespace Velmora {

/// The file-name helpers of stored paths. Stored paths come from Windows and from here, so "\"
/// and "/" are both separators.
class FileNames
{
public:
    /// The text after the last separator (all of it if none), cut before its last "." (unchanged
    /// if none): "C:\Maps\Keep.v2.jpg" gives "Keep.v2".
    static QString FileBaseName(const QString &path);
    /// From the last "." of the file name to the end, dot included; "" if there is none.
    static QString FileExtension(const QString &path);
    /// False for ""; otherwise whether the file or folder is there.
    static bool FileExists(const QString &path);
    /// Whether `path` lies inside `folder` or below it, both resolved (letter case ignored).
    static bool IsInFolder(const QString &path, const QString &folder);
    /// Where a copy of `source` goes in `folder` without replacing anything: folder/name.ext,
    /// else the first free folder/name_1.ext, name_2.ext, ... up to name_32767.ext.
    static Result<QString> UniqueCopyPath(const QString &source, const QString &folder);
    /// Copies `source` to its UniqueCopyPath in `folder` (made when missing), never over an
    /// existing file. Returns where the copy went.
    static Result<QString> CopyToFolder(const QString &source, const QString &folder);
    /// The key filter of number fields: gives back `key` for "0" to "9", Backspace (8) and
    /// Enter (13), and 0 (the key discarded) for any other.
    static int DigitsOnlyKey(int key);
};

} // namespace Velmora
