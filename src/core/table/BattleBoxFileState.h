#pragma once

#include "core/common/Result.h"
#include "core/table/BattleBoxFile.h"

#include <QByteArray>
#include <QString>

namespace Velmora {

class BattleBoxList;

/// Which Battle Box file the Battle Box shows, whether it has unsaved changes, and the frame's
/// caption that says so. No file loaded (name empty) -> loaded (flag clear) -> modified -> saved.
class BattleBoxFileState
{
public:
    /// The loaded file's full path; empty when none.
    const QString &loadedName() const { return m_loadedName; }
    void setLoadedName(const QString &path) { m_loadedName = path; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    /// A change of the list through the edit dialog or the in-place editor: it modifies the
    /// loaded file, when there is one.
    void listEdited();
    /// A change of the notes' text. While loading (setLoading) neither counts.
    void notesEdited();
    void setLoading(bool loading) { m_loading = loading; }

    /// "Battle Box" with no file, "Battle Box: " + path + " " after a load or save, "Battle Box "
    /// + name + " " after the saved list's commands (showLinked).
    const QString &caption() const { return m_caption; }
    void showLinked(const QString &name);
    /// Whether the caption names `path`: unlinking that file unloads it.
    bool isShowing(const QString &path) const { return !path.isEmpty() && m_caption.contains(path); }

    /// No file: name empty, flag clear, caption "Battle Box" (the window empties list and notes).
    void clear();

    /// LoadBattleBoxFile: reads `path` into `list` and `notes`. Missing, Unchanged and an error
    /// change nothing. WrongFile leaves list and notes empty and the name set to `path` (the
    /// window shows BattleBoxFile::wrongFile()). Loaded clears the flag and shows the path.
    Result<BattleBoxFile::Reading> load(const QString &path, BattleBoxList &list, QByteArray &notes);
    /// SaveBattleBoxFile: writes list and notes to `path` when the flag is set and `path` is not
    /// empty, then makes it the loaded file with the flag clear. False when nothing was written;
    /// an error leaves everything as it was.
    Result<bool> save(const QString &path, const BattleBoxList &list, const QByteArray &notes);

private:
    QString m_loadedName;
    bool m_modified = false;
    bool m_loading = false;
    QString m_caption = QStringLiteral("Battle Box");
};

} // namespace Velmora
