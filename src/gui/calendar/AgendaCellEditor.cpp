#include "gui/calendar/AgendaCellEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

AgendaCellEditor::AgendaCellEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(u"txtEdit"_s);
    // The box is as high as the text has lines; a long line scrolls rather than wraps, so that
    // every line stays one line high.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    hide();
    connect(this, &QPlainTextEdit::blockCountChanged, this, &AgendaCellEditor::fitToLines);
}

void AgendaCellEditor::open(const QString &text, const QRect &cell)
{
    setGeometry(cell.left(), cell.top(), cell.width(), height());
    // Shown before the text goes in, so that the box lays the text out at its real size.
    show();
    raise();
    setPlainText(text);
    m_opened = toPlainText();
    fitToLines();
    moveCursor(QTextCursor::End);
    setFocus();
}

QString AgendaCellEditor::text() const
{
    return toPlainText().replace(u'\n', u"\r\n"_s);
}

bool AgendaCellEditor::isChanged() const
{
    return toPlainText() != m_opened;
}

void AgendaCellEditor::fitToLines()
{
    const QMargins margins = contentsMargins();
    const int documentMargin = qCeil(document()->documentMargin());
    const int lines = std::max(1, blockCount());
    // Where the box is now: it moves with the page when the page scrolls.
    setGeometry(x(), y(), width(),
                lines * fontMetrics().lineSpacing() + 2 * (documentMargin + frameWidth()) + margins.top()
                    + margins.bottom());
    // Every line fits: none stays scrolled out of sight from before the box grew.
    verticalScrollBar()->setValue(0);
}

bool AgendaCellEditor::event(QEvent *event)
{
    // Enter and Escape belong to the editor even where a window has them as shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void AgendaCellEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->text() == u";"_s)
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & Qt::AltModifier) {
            moveCursor(QTextCursor::End);
            insertPlainText(u"\n"_s);
        } else {
            emit commitRequested();
        }
        return;
    case Qt::Key_Escape:
        emit cancelRequested();
        return;
    default:
        QPlainTextEdit::keyPressEvent(event);
    }
}

void AgendaCellEditor::insertFromMimeData(const QMimeData *source)
{
    // A pasted ";" is refused like a typed one.
    if (source && source->hasText())
        insertPlainText(source->text().remove(u';'));
}

} // namespace Velmora
