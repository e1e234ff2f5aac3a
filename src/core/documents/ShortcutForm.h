#pragma once

#include <QString>

namespace Velmora {

/// The words and the naming rule of the shortcut dialog (frmListWebSite): a web-site mode for the
/// web sites list, a file mode with a "Get" button for every other list.
struct ShortcutForm
{
    QString nameLabel;
    QString locationLabel;

    static ShortcutForm forList(int listIndex);
    static bool isWebSiteMode(int listIndex);
    /// The "Get" button's open dialog.
    static QString getTitle();
    static QString getFilter();
    /// The name given to a chosen file: its name without the folder and without the extension
    /// (the part before the last ".", the whole name when it holds none).
    static QString nameOfFile(const QString &path);
};

} // namespace Velmora
