#pragma once

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

class QAbstractItemView;


namespace Velmora {

/// Edits a list's cells in place, as the Battle Box and the statistics lists do: a left click on
/// an editable cell opens a one-line editor over it, holding the cell's text (selected, so that
/// typing replaces it); Enter, a click on another cell or commitPending() (before a save or
/// close) stores the text when it was changed; a click on a column header drops it. The editor drops the characters that the saved records cannot hold.
class CellEditor : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// Becomes `view`'s delegate. The editor's objectName is `editorName`; `dropped` are the
    /// characters it refuses; only the columns for which `editable` is true open it.
    CellEditor(QAbstractItemView *view, const QString &editorName, const QString &dropped,
               std::function<bool(int column)> editable);

    /// The open editor, or nullptr.
    QLineEdit *editor() const { return m_editor; }
    /// Stores the open editor's text when it was changed, and closes it (before a save or close).
    void commitPending();
    /// Closes the open editor without storing its text.
    void dropPending();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    /// The user changed the text of the cell `index` for the first time since the editor opened.
    void edited(const QModelIndex &index);

private:
    void openAt(const QModelIndex &index);

    QAbstractItemView *m_view;
    QPointer<QWidget> m_header;
    QString m_editorName;
    QString m_dropped;
    std::function<bool(int)> m_editable;
    mutable QPointer<QLineEdit> m_editor;
    mutable QPersistentModelIndex m_index;
    mutable bool m_changed = false;
};

} // namespace Velmora
