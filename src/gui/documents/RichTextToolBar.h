#pragma once

#include <QToolBar>

#include <QPointer>

class QTextEdit;

namespace Velmora {

class Platform;

/// The tool bar of a rich-text editor (the notes documents, the Battle Box notes): the file
/// buttons "Open", "Save" and "SaveAs", which its owner carries out, and the formatting buttons
/// "Fonts", "Bold", "Italic", "Underline", "bullet", "align left", "center" and "align right",
/// which act on the bound editor here. Every button is an action whose objectName is its key;
/// a press reports the key after the button has acted, so that the owner refreshes the state.
class RichTextToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit RichTextToolBar(Platform &platform, QWidget *parent = nullptr);

    static QStringList keys();
    /// The button of `key`, or nullptr.
    QAction *button(const QString &key) const;

    /// The editor the formatting buttons act on: the one that is showing.
    void bindEditor(QTextEdit *editor);
    QTextEdit *editor() const { return m_editor; }

    /// "Open" and "SaveAs" are enabled; "Save" only while the text is `modified`; the formatting
    /// buttons while the bound editor holds text.
    void refreshState(bool modified);

signals:
    void buttonClick(const QString &key);

private:
    void press(const QString &key);
    void chooseFont();

    Platform &m_platform;
    QPointer<QTextEdit> m_editor;
};

} // namespace Velmora
