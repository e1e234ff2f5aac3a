#include "gui/documents/ucSearch.h"

#include "gui/ui/Platform.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace Velmora {

ucSearch::ucSearch(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_text(new QLineEdit(this))
    , m_wholeWord(new QCheckBox(tr("Find Whole Word &Only"), this))
    , m_matchCase(new QCheckBox(tr("Match Ca&se"), this))
    , m_find(new QPushButton(this))
{
    setObjectName(u"ucSearch"_s);
    m_text->setObjectName(u"txtSearch"_s);
    m_wholeWord->setObjectName(u"chkWholeWord"_s);
    m_matchCase->setObjectName(u"chkMatchCase"_s);
    m_find->setObjectName(u"cmdFind"_s);
    m_find->setDefault(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_text, 1);
    row->addWidget(m_wholeWord);
    row->addWidget(m_matchCase);
    row->addWidget(m_find);
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_search.setText(text);
        refreshButton();
    });
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        if (m_find->isEnabled())
            cmdFind_Click();
    });
    connect(m_find, &QPushButton::clicked, this, &ucSearch::cmdFind_Click);
    Enable(false);
}

void ucSearch::SearchIn(QTextEdit *view)
{
    disconnect(m_viewConnection);
    m_view = view;
    if (view)
        m_viewConnection = connect(view, &QTextEdit::textChanged, this, &ucSearch::followView);
    followView();
}

void ucSearch::followView() { Enable(m_view && !m_view->document()->isEmpty()); }

void ucSearch::Enable(bool enabled)
{
    m_enabled = enabled;
    m_text->setEnabled(enabled);
    m_wholeWord->setEnabled(enabled);
    m_matchCase->setEnabled(enabled);
    refreshButton();
}

void ucSearch::refreshButton()
{
    m_find->setText(m_search.caption());
    m_find->setEnabled(m_enabled && m_search.canSearch());
}

void ucSearch::cmdFind_Click()
{
    if (!m_view || !m_search.canSearch())
        return;
    // Positions of the plain text are the editor's cursor positions, one for one.
    const QTextCursor selection = m_view->textCursor();
    const TextMatch match = m_search.press(m_view->document()->toPlainText(), selection.selectionStart(),
        selection.selectionEnd() - selection.selectionStart(), { m_wholeWord->isChecked(), m_matchCase->isChecked() });
    refreshButton();
    if (!match.found()) {
        m_platform.message(tr("Velmora"), TextSearch::notFoundText(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    QTextCursor found(m_view->document());
    found.setPosition(int(match.start));
    found.setPosition(int(match.start + match.length), QTextCursor::KeepAnchor);
    m_view->setTextCursor(found);
    m_view->setFocus();
}

} // namespace Velmora
