#include "gui/ui/CellEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

namespace Velmora {

namespace {

QHeaderView *headerOf(QAbstractItemView *view)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->horizontalHeader();
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->header();
    return nullptr;
}

} // namespace

CellEditor::CellEditor(QAbstractItemView *view, const QString &editorName, const QString &dropped,
                       std::function<bool(int column)> editable)
    : QStyledItemDelegate(view)
    , m_view(view)
    , m_editorName(editorName)
    , m_dropped(dropped)
    , m_editable(std::move(editable))
{
    view->setItemDelegate(this);
    // Only a left click opens the editor; keys typed on the list go to the list's own search.
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(view, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            openAt(index);
    });
    // The header is watched before it acts: a press selects the column, and a change of the
    // current cell would store the pending edit that the header click drops.
    if (QHeaderView *header = headerOf(view)) {
        m_header = header->viewport();
        m_header->installEventFilter(this);
    }
    view->installEventFilter(this);
}

bool CellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_header) {
        if (event->type() == QEvent::MouseButtonPress)
            dropPending();
        return false;
    }
    if (watched == m_view) {
        // The list never keeps the focus from an open editor.
        if (event->type() == QEvent::FocusIn && m_editor) {
            m_editor->setFocus();
            m_editor->selectAll();
        }
        return false;
    }
    // Leaving the editor keeps the edit pending (a click on the list's header, which takes the
    // focus first, must still drop it); Enter, another cell or commitPending() store it.
    if (watched == m_editor && event->type() == QEvent::FocusOut)
        return false;
    return QStyledItemDelegate::eventFilter(watched, event);
}

void CellEditor::openAt(const QModelIndex &index)
{
    // A click on another cell stores the pending edit first, also when it opens no editor.
    commitPending();
    if (index.isValid() && m_editable(index.column()))
        m_view->edit(index);
}

void CellEditor::commitPending()
{
    if (!m_editor)
        return;
    QLineEdit *editor = m_editor;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellEditor::dropPending()
{
    if (!m_editor)
        return;
    m_changed = false;
    emit closeEditor(m_editor, QAbstractItemDelegate::NoHint);
}

QWidget *CellEditor::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(m_editorName);
    editor->setFrame(false);
    m_editor = editor;
    m_index = index;
    m_changed = false;
    // textEdited, not textChanged: only the user's typing (and pasting) counts as a change.
    connect(editor, &QLineEdit::textEdited, this, [this, editor](const QString &text) {
        QString kept = text;
        for (const QChar c : m_dropped)
            kept.remove(c);
        if (kept != text) {
            const int caret = editor->cursorPosition() - int(text.size() - kept.size());
            editor->setText(kept);
            editor->setCursorPosition(qMax(0, caret));
        }
        if (!std::exchange(m_changed, true))
            emit const_cast<CellEditor *>(this)->edited(m_index);
    });
    return editor;
}

void CellEditor::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // Set once, when the editor opens: a model change while it is open must not undo the typing.
    auto *line = static_cast<QLineEdit *>(editor);
    if (!m_changed)
        line->setText(index.data(Qt::EditRole).toString());
}

void CellEditor::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CellEditor::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (!std::exchange(m_changed, false))
        return;
    model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

} // namespace Velmora
