#include "gui/documents/DocumentViewer.h"

#include "core/documents/DocumentFile.h"
#include "gui/documents/RichTextConverter.h"
#include "gui/documents/ucSearch.h"
#include "gui/ui/Platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The box is drawn in red while the text can be edited, so that the mode shows at a glance.
const QColor EditingColour(0xC0, 0x00, 0x00);

} // namespace

DocumentViewer::DocumentViewer(
    Platform &platform, ViewerEditing::Place place, const QString &labelName, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_place(place)
    , m_label(new QLabel(this))
    , m_view(new QTextEdit(this))
    , m_edit(new QCheckBox(tr("Edit"), this))
    , m_search(new ucSearch(platform, this))
{
    setObjectName(u"DocumentViewer"_s);
    m_label->setObjectName(labelName);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_view->setObjectName(u"rtbView"_s);
    m_view->setReadOnly(true);
    m_edit->setObjectName(u"chkEdit"_s);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_label, 0, 0, 1, 2);
    grid->addWidget(m_view, 1, 0, 1, 2);
    grid->addWidget(m_edit, 2, 0);
    grid->addWidget(m_search, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    setEditing(false);
    m_search->SearchIn(m_view);
    connect(m_edit, &QCheckBox::clicked, this, &DocumentViewer::chkEdit_Click);
}

bool DocumentViewer::loadFile(const QString &path)
{
    if (!DocumentFile::isPdf(path)) {
        const Result<RichTextDocument> document = DocumentFile::read(path);
        if (!document)
            return false;
        RichTextConverter::toQTextDocument(*document, *m_view->document());
        m_view->document()->setModified(false);
    }
    m_file = path;
    setEditing(false);
    return true;
}

void DocumentViewer::showPath(const QString &path) { m_label->setText(path); }

bool DocumentViewer::isModified() const { return m_view->document()->isModified(); }

void DocumentViewer::AskSaveChanges()
{
    if (!ViewerEditing::asksToSave(m_file, isModified()))
        return;
    if (m_platform.question(ViewerEditing::savePromptTitle(), ViewerEditing::savePromptText()))
        save();
    else
        loadFile(m_file);
    m_view->document()->setModified(false);
}

bool DocumentViewer::saveIfModified()
{
    if (!isModified() || m_file.isEmpty() || DocumentFile::isPdf(m_file))
        return true;
    return save();
}

bool DocumentViewer::save()
{
    if (!DocumentFile::write(m_file, RichTextConverter::fromQTextDocument(*m_view->document())))
        return false;
    m_view->document()->setModified(false);
    return true;
}

void DocumentViewer::chkEdit_Click()
{
    if (m_edit->isChecked()) {
        // Nothing to edit until a file is shown.
        if (m_file.isEmpty()) {
            m_edit->setChecked(false);
            return;
        }
        setEditing(true);
        return;
    }
    setEditing(false);
    AskSaveChanges();
}

void DocumentViewer::setEditing(bool editing)
{
    const QSignalBlocker quiet(m_edit);
    m_edit->setChecked(editing);
    m_view->setReadOnly(!editing);
    m_edit->setToolTip(ViewerEditing::toolTip(m_place, editing));
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::WindowText, editing ? EditingColour : QPalette().color(QPalette::WindowText));
    m_edit->setPalette(palette);
}

} // namespace Velmora
