#pragma once

#include <QPlainTextEdit>

namespace Velmora {

/// The in-place editor `txtEdit` of an agenda day: a multi-line box laid over the day's "Events"
/// cell. ";" cannot be entered (it separates the fields of the stored lines); Alt+Enter appends
/// a line break at the end, Enter asks for the text to be committed and Escape for the edit to
/// be dropped. The box grows and shrinks with the number of lines of its text.
class AgendaCellEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AgendaCellEditor(QWidget *parent = nullptr);

    /// Starts editing `text` (line breaks CR LF, LF or CR) over `cell`, in the coordinates of
    /// the editor's parent.
    void open(const QString &text, const QRect &cell);
    /// The text with CR LF line breaks, the form the agenda stores.
    QString text() const;
    /// The user changed the text since open().
    bool isChanged() const;

signals:
    void commitRequested();
    void cancelRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void fitToLines();

    QString m_opened; ///< the text as open() laid it out, to tell a change from none
};

} // namespace Velmora
