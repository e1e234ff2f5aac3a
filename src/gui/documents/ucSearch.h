#pragma once

#include "core/documents/TextSearch.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace Velmora {

class Platform;

/// The search box beside a rich-text view: a text field (txtSearch), "Find Whole Word &Only"
/// (chkWholeWord), "Match Ca&se" (chkMatchCase) and the button "&Find" / "&Find Next" (cmdFind).
///
/// Put one beside a QTextEdit and bind it with SearchIn(); from then on the box is enabled
/// exactly while the view holds text, as its text changes and as documents are loaded into it.
/// A hit selects the text in the view and focuses it; a miss says "Text not found".
///
///     auto *search = new ucSearch(platform, panel);
///     search->SearchIn(editor);           // also Enable(!editor->document()->isEmpty())
class ucSearch : public QWidget
{
    Q_OBJECT

public:
    explicit ucSearch(Platform &platform, QWidget *parent = nullptr);

    /// Binds the box to `view` (nullptr unbinds it) and enables it by the view's text.
    void SearchIn(QTextEdit *view);
    QTextEdit *boundView() const { return m_view; }
    /// Turns every input of the box on or off; the button also needs text to look for.
    void Enable(bool enabled);
    bool isEnabledForSearch() const { return m_enabled; }

    /// The button's press: searches the bound view.
    void cmdFind_Click();

private:
    void refreshButton();
    void followView();

    Platform &m_platform;
    TextSearch m_search;
    QPointer<QTextEdit> m_view;
    QMetaObject::Connection m_viewConnection;
    bool m_enabled = false;
    QLineEdit *m_text;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QPushButton *m_find;
};

} // namespace Velmora
