#pragma once

#include "core/documents/ViewerEditing.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTextEdit;

namespace Velmora {

class Platform;
class ucSearch;

/// A read-only document viewer of the reference tabs: a label above it (objectName chosen by the
/// owner, "lblClassFile" or "lblDoc"), the viewer itself (view(), a read-only QTextEdit), the
/// edit box chkEdit and a search box bound to the viewer.
///
/// Ticking chkEdit makes the text editable; unticking it asks "Save those changes ?" when the
/// text was changed (never for a "pdf" file): Yes writes the file as RTF, No reloads it.
///
/// How a list opens an item in it:
///
///     viewer->AskSaveChanges();            // before another item opens, always
///     viewer->loadFile(path);              // reads RTF or ".txt"; a "pdf" is only kept
///     viewer->showPath(path);              // when the list shows the path above the viewer
///
/// After every campaign save and at close, the owner calls saveIfModified().
class DocumentViewer : public QWidget
{
    Q_OBJECT

public:
    /// `place`: where the viewer is seen from its edit box, for the box's tooltips.
    DocumentViewer(Platform &platform, ViewerEditing::Place place, const QString &labelName, QWidget *parent = nullptr);

    QTextEdit *view() const { return m_view; }
    QLabel *label() const { return m_label; }
    QCheckBox *editBox() const { return m_edit; }
    ucSearch *search() const { return m_search; }

    /// Loads `path` (RTF, or Windows-1252 text for ".txt") into the viewer, keeps it as the
    /// loaded file and unticks the edit box without a question. A "pdf" file is kept but not
    /// loaded: the viewer goes on showing what it showed. False, with nothing changed, when the
    /// file cannot be read.
    bool loadFile(const QString &path);
    /// Shows `path` in the label above the viewer.
    void showPath(const QString &path);
    /// The file last given to loadFile(); "" when none.
    const QString &loadedFile() const { return m_file; }
    /// Whether the text was changed since it was loaded or saved.
    bool isModified() const;

    /// Before another document replaces this one: when the text was changed (and the file is
    /// not a "pdf"), asks to save it; Yes saves, No reloads the file.
    void AskSaveChanges();
    /// Writes a changed text to its file (not a "pdf") and clears the flag; false when writing
    /// failed. Runs after every campaign save and at close.
    bool saveIfModified();

    void chkEdit_Click();

private:
    void setEditing(bool editing);
    bool save();

    Platform &m_platform;
    ViewerEditing::Place m_place;
    QString m_file;
    QLabel *m_label;
    QTextEdit *m_view;
    QCheckBox *m_edit;
    ucSearch *m_search;
};

} // namespace Velmora
