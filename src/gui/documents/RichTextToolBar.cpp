#include "gui/documents/RichTextToolBar.h"

#include "core/documents/NotesDocuments.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolIconEngine.h"

#include <QAction>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

using Glyph = ToolIconEngine::Glyph;

struct ButtonSpec
{
    QString key;
    QString caption;
    QString toolTip;
    Glyph icon;
};

QList<ButtonSpec> buttonSpecs()
{
    return {
        {u"Open"_s, RichTextToolBar::tr("Open"), QString(), Glyph::Folder},
        {u"Save"_s, RichTextToolBar::tr("Save"), QString(), Glyph::Disk},
        {u"SaveAs"_s, RichTextToolBar::tr("Save As"), RichTextToolBar::tr("Save as new document"), Glyph::DiskWithPen},
        {u"Fonts"_s, RichTextToolBar::tr("Fonts"), RichTextToolBar::tr("Change fonts"), Glyph::Font},
        {u"Bold"_s, RichTextToolBar::tr("Bold"), QString(), Glyph::Bold},
        {u"Italic"_s, RichTextToolBar::tr("Italic"), QString(), Glyph::Italic},
        {u"Underline"_s, RichTextToolBar::tr("Underline"), QString(), Glyph::Underline},
        {u"bullet"_s, RichTextToolBar::tr("Bullet list"), RichTextToolBar::tr("Bullet list"), Glyph::Bullets},
        {u"align left"_s, RichTextToolBar::tr("Align left"), RichTextToolBar::tr("Align left"), Glyph::AlignLeft},
        {u"center"_s, RichTextToolBar::tr("Center"), RichTextToolBar::tr("Center"), Glyph::AlignCentre},
        {u"align right"_s, RichTextToolBar::tr("Align right"), RichTextToolBar::tr("Align right"), Glyph::AlignRight},
    };
}

bool isFileKey(const QString &key)
{
    return key == u"Open"_s || key == u"Save"_s || key == u"SaveAs"_s;
}

// The selection's bullets are inverted: a selection that starts in a list leaves it, any other
// becomes a bullet list.
void invertBullets(QTextEdit &editor)
{
    QTextCursor cursor = editor.textCursor();
    if (QTextList *list = cursor.currentList()) {
        const QTextDocument *document = editor.document();
        QTextBlock block = document->findBlock(cursor.selectionStart());
        const QTextBlock last = document->findBlock(cursor.selectionEnd());
        for (;; block = block.next()) {
            if (block.textList() == list) {
                list->remove(block);
                QTextCursor at(block);
                QTextBlockFormat format = block.blockFormat();
                format.setIndent(0);
                at.setBlockFormat(format);
            }
            if (block == last || !block.isValid())
                break;
        }
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
}

} // namespace

RichTextToolBar::RichTextToolBar(Platform &platform, QWidget *parent)
    : QToolBar(parent)
    , m_platform(platform)
{
    setObjectName(u"Toolbar1"_s);
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ButtonSpec &spec : buttonSpecs()) {
        QAction *action = addAction(QIcon(new ToolIconEngine(spec.icon)), spec.caption);
        action->setObjectName(spec.key);
        action->setData(spec.key);
        action->setToolTip(spec.toolTip.isEmpty() ? spec.caption : spec.toolTip);
        const QString key = spec.key;
        connect(action, &QAction::triggered, this, [this, key] { press(key); });
        if (spec.key == u"SaveAs"_s)
            addSeparator();
    }
    refreshState(false);
}

QStringList RichTextToolBar::keys()
{
    QStringList result;
    for (const ButtonSpec &spec : buttonSpecs())
        result << spec.key;
    return result;
}

QAction *RichTextToolBar::button(const QString &key) const
{
    for (QAction *action : actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

void RichTextToolBar::bindEditor(QTextEdit *editor)
{
    m_editor = editor;
}

void RichTextToolBar::refreshState(bool modified)
{
    const bool hasText = m_editor && !m_editor->document()->isEmpty();
    for (const QString &key : keys())
        button(key)->setEnabled(NotesDocuments::buttonEnabled(key, modified, hasText));
}

void RichTextToolBar::press(const QString &key)
{
    if (m_editor && !isFileKey(key)) {
        QTextEdit &editor = *m_editor;
        if (key == u"Fonts"_s) {
            chooseFont();
        } else if (key == u"Bold"_s) {
            editor.setFontWeight(editor.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
        } else if (key == u"Italic"_s) {
            editor.setFontItalic(!editor.fontItalic());
        } else if (key == u"Underline"_s) {
            editor.setFontUnderline(!editor.fontUnderline());
        } else if (key == u"bullet"_s) {
            invertBullets(editor);
        } else if (key == u"align left"_s) {
            editor.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        } else if (key == u"center"_s) {
            editor.setAlignment(Qt::AlignHCenter);
        } else if (key == u"align right"_s) {
            editor.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        }
        editor.setFocus();
    }
    emit buttonClick(key);
}

// The editor's own font changes (the one its text is shown in where no run says otherwise), not
// the selection's.
void RichTextToolBar::chooseFont()
{
    const std::optional<QFont> chosen = m_platform.chooseFont(m_editor->font(), tr("Fonts"));
    if (!chosen)
        return;
    QFont font = m_editor->font();
    font.setFamily(chosen->family());
    font.setPointSizeF(chosen->pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    m_editor->setFont(font);
}

} // namespace Velmora
