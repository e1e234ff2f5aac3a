#pragma once

#include "core/documents/Shortcut.h"
#include "core/table/BattleBoxFileState.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QStandardItemModel;
class QTextEdit;
class QTreeView;
class QWidget;

namespace Velmora {

class BattleBoxList;
class RichTextToolBar;
class ToolHost;
struct CampaignModel;

/// The Battle Box's files under the Battle Box: the notes of the loaded file (rtbBBNotes with its
/// tool bar, Toolbar1 index 1) and the campaign's saved list of Battle Box files (lsvClass index
/// 6, context menu mnuBB_Top). It loads files into the Battle Box list it is given and saves that
/// list with the notes; the frame showing the list reports its edits through listEdited() and
/// shows captionChanged() as its title.
///
/// The files, the saved list and the notes are kept here, so that a campaign loads and saves the
/// same whether or not panel() has been built to show them.
class BattleBoxFiles : public QObject
{
    Q_OBJECT

public:
    enum MenuIndex { New, Import, Load, Remove };
    static constexpr int SavedListIndex = 6;
    static constexpr int ToolBarIndex = 1;

    BattleBoxFiles(ToolHost &host, BattleBoxList &list, QObject *parent = nullptr);

    /// The notes with their tool bar and the saved list, built on the first call; its parent
    /// (the layout it goes to) owns it.
    QWidget *panel();
    const QString &caption() const { return m_shownCaption; }

    /// The saved list from the campaign's links, then the first linked file loaded into the
    /// Battle Box (it replaces the campaign's own list).
    void applyCampaign(const CampaignModel &model);
    void collectCampaign(CampaignModel &model);

    const QList<Shortcut> &savedList() const { return m_saved; }
    const BattleBoxFileState &state() const { return m_state; }

    /// The campaign's save and the program's close save a modified Battle Box with them: the
    /// loaded file is written whole, entries and notes (its notes are no document of their own,
    /// so their RTF never goes anywhere else). Without a loaded file nothing is written: only the
    /// save prompt and the tool bar choose a new file.
    void saveIfModified();

    /// The list was changed through the edit dialog or the in-place editor.
    void listEdited();

    /// Asks to save a modified Battle Box; either answer clears the modified flag.
    void AskSaveBattleBox();
    enum class Choice { Existing, New };
    /// "" when cancelled.
    QString ChooseBattleBoxFile(Choice choice);
    /// Writes the Battle Box when it is modified (choosing a file when `path` is empty). True
    /// when the file was written.
    bool SaveBattleBoxFile(QString path);
    void LoadBattleBoxFile(const QString &path);
    void LinkBattleBoxFile(const QString &path);
    /// Empties the Battle Box, its notes and file name, and the saved list.
    void ClearBattleBox();
    /// The Battle Box, notes and file name emptied; the saved list stays ("New BattleBox...").
    void unload();

    /// The notes of the saved list's file `location` (as the campaign stores it), loaded as a
    /// click on its row loads it unless it is the loaded one; nullptr when the list holds no such
    /// file or it did not load. Builds panel() first.
    QTextEdit *showNotesOf(const QString &location);

    void mnuBB_Click(int index);
    void lsvClass_Click(int row);
    void Toolbar1_ButtonClick(const QString &key);

signals:
    void captionChanged(const QString &caption);

private:
    void buildNotes(QWidget *panel);
    void buildSavedList(QWidget *panel);
    void showNotes();
    void setNotes(const QByteArray &rtf);
    QByteArray notesBytes() const;
    int selectedRow() const;
    QString fileOfRow(int row) const;
    void showSavedList();
    /// The tool bar and the caption after a change of the state.
    void showState();
    void markModified();
    void fileError(const QString &path, const QString &message);

    ToolHost &m_host;
    BattleBoxList &m_list;
    BattleBoxFileState m_state;
    QList<Shortcut> m_saved; ///< paths in the campaign's stored form
    QByteArray m_loadedNotes; ///< the loaded file's RTF, written again as it was while not edited
    bool m_notesEdited = false;
    bool m_fillingNotes = false; ///< the notes are being replaced: no edit
    QList<float> m_columns; ///< the campaign's widths of the saved list, in twips
    QString m_shownCaption;
    QPointer<QWidget> m_panel; ///< null until panel(); the members below belong to it
    RichTextToolBar *m_toolBar = nullptr;
    QTextEdit *m_notes = nullptr;
    QTreeView *m_savedView = nullptr;
    QStandardItemModel *m_savedModel = nullptr;
    QMenu *m_menu = nullptr;
};

} // namespace Velmora
