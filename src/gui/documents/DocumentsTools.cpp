#include "gui/documents/DocumentsTools.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "core/documents/DocumentFile.h"
#include "core/persistence/CampaignModel.h"
#include "gui/documents/RichTextConverter.h"
#include "gui/documents/RichTextToolBar.h"
#include "gui/documents/ucSearch.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QLabel>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

DocumentsTools::DocumentsTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_documents(NotesDocuments::defaults())
{
    setObjectName(u"DocumentsTools"_s);
    m_host.services().provide<SearchHitOpener<SearchPlaceKind::Notes>>(this);
    m_host.onFirstShown(MainTab::Docs, this, [this] { build(); });
}

void DocumentsTools::build()
{
    if (m_tabs)
        return;
    auto *tools = new QWidget;
    tools->setObjectName(u"DocumentsToolsDocs"_s);
    auto *column = new QVBoxLayout(tools);
    m_toolBar = new RichTextToolBar(m_host.platform(), tools);
    m_toolBar->setProperty("index", 0);
    m_tabs = new QTabWidget(tools);
    m_tabs->setObjectName(u"tbsDocs"_s);
    column->addWidget(m_toolBar);
    column->addWidget(m_tabs, 1);
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
        m_tabs->addTab(buildPage(slot), NotesDocuments::caption(slot));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        m_toolBar->bindEditor(m_editors[size_t(activeSlot())]);
        refreshState();
    });
    connect(m_toolBar, &RichTextToolBar::buttonClick, this, &DocumentsTools::Toolbar1_ButtonClick);
    m_toolBar->bindEditor(m_editors[0]);
    m_host.placeOnTab(MainTab::Docs, tools);
    loadAll();
}

QWidget *DocumentsTools::buildPage(int slot)
{
    auto *page = new QWidget(m_tabs);
    auto *rows = new QVBoxLayout(page);
    auto *search = new ucSearch(m_host.platform(), page);
    search->setProperty("index", slot);
    QTextEdit *editor = m_editors[size_t(slot)] = new QTextEdit(page);
    editor->setObjectName(u"rtbText"_s);
    editor->setProperty("index", slot);
    QLabel *label = m_labels[size_t(slot)] = new QLabel(page);
    label->setObjectName(u"lblLoadedDocs"_s);
    label->setProperty("index", slot);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows->addWidget(search);
    rows->addWidget(editor, 1);
    rows->addWidget(label);
    search->SearchIn(editor);
    connect(editor->document(), &QTextDocument::modificationChanged, this, &DocumentsTools::refreshState);
    connect(editor, &QTextEdit::textChanged, this, &DocumentsTools::refreshState);
    return page;
}

void DocumentsTools::applyCampaign(const CampaignModel &model)
{
    m_documents = model.documents;
    if (m_tabs)
        loadAll();
}

void DocumentsTools::collectCampaign(CampaignModel &model) { model.documents = m_documents; }

void DocumentsTools::saveModifiedDocuments()
{
    for (int slot = 0; m_tabs && slot < NotesDocuments::SlotCount; ++slot) {
        if (isModified(slot))
            saveSlot(slot, fileOf(slot));
    }
    if (m_tabs)
        refreshState();
}

QTextEdit *DocumentsTools::editor(int slot)
{
    build();
    return m_editors.at(size_t(slot));
}

int DocumentsTools::activeSlot() const { return m_tabs ? m_tabs->currentIndex() : 0; }

bool DocumentsTools::isModified(int slot) const
{
    const QTextEdit *editor = m_editors.at(size_t(slot));
    return editor && editor->document()->isModified();
}

QString DocumentsTools::fileOf(int slot) const
{
    return m_host.folder().storedFile(m_documents.paths.at(size_t(slot)));
}

// A campaign's document that cannot be read (a new campaign's file not made yet) starts empty
// under its path, so that nothing of the previous campaign is written into it.
void DocumentsTools::loadAll()
{
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot) {
        const QString file = fileOf(slot);
        if (!loadSlot(slot, file)) {
            m_editors[size_t(slot)]->clear();
            m_editors[size_t(slot)]->document()->setModified(false);
            keepPath(slot, file);
        }
    }
    refreshState();
}

bool DocumentsTools::loadSlot(int slot, const QString &file)
{
    const Result<RichTextDocument> document = DocumentFile::read(file);
    if (!document)
        return false;
    QTextDocument &target = *m_editors[size_t(slot)]->document();
    RichTextConverter::toQTextDocument(*document, target);
    target.setModified(false);
    keepPath(slot, file);
    return true;
}

void DocumentsTools::keepPath(int slot, const QString &file)
{
    m_documents.paths[size_t(slot)] = m_host.folder().storedPath(file);
    m_labels[size_t(slot)]->setText(file);
}

bool DocumentsTools::saveSlot(int slot, const QString &file)
{
    QTextDocument &source = *m_editors[size_t(slot)]->document();
    if (!DocumentFile::write(file, RichTextConverter::fromQTextDocument(source)))
        return false;
    source.setModified(false);
    return true;
}

void DocumentsTools::Toolbar1_ButtonClick(const QString &key)
{
    const int slot = activeSlot();
    if (key == u"Open"_s) {
        open(slot);
    } else if (key == u"Save"_s) {
        if (isModified(slot))
            saveSlot(slot, fileOf(slot));
        m_host.sounds().play(SoundEvent::Save);
    } else if (key == u"SaveAs"_s) {
        saveAs(slot);
    }
    m_editors[size_t(slot)]->setFocus();
    refreshState();
}

void DocumentsTools::open(int slot)
{
    Platform &platform = m_host.platform();
    if (isModified(slot)) {
        if (platform.question(NotesDocuments::saveChangesTitle(), NotesDocuments::saveChangesText(slot)))
            saveSlot(slot, fileOf(slot));
        else
            m_editors[size_t(slot)]->document()->setModified(false);
    }
    FileDialogRequest request;
    request.title = NotesDocuments::openTitle(slot);
    request.filter = NotesDocuments::fileFilter();
    request.initialFolder = m_host.folder().file(u"\\Documents"_s);
    request.initialFileName = fileOf(slot);
    request.fileMustExist = true;
    const FileDialogResult chosen = platform.openFile(request);
    // Another file is another path in the campaign.
    if (chosen.accepted() && loadSlot(slot, chosen.path))
        m_host.campaignSession().markModified();
}

void DocumentsTools::saveAs(int slot)
{
    const QString file = fileOf(slot);
    FileDialogRequest request;
    request.title = NotesDocuments::saveAsTitle(slot);
    request.filter = NotesDocuments::fileFilter();
    request.initialFileName = file;
    const qsizetype separator = std::max(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\'));
    if (separator >= 0)
        request.initialFolder = file.left(separator);
    const FileDialogResult chosen = m_host.platform().saveFile(request);
    if (!chosen.accepted() || !saveSlot(slot, chosen.path))
        return;
    keepPath(slot, chosen.path);
    m_host.campaignSession().markModified();
    m_host.sounds().play(SoundEvent::Save);
}

void DocumentsTools::openHit(FoundMatch &match)
{
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot) {
        if (match.hit().where != u"notes:"_s + NotesDocuments::key(slot))
            continue;
        m_host.showTab(MainTab::Docs);
        build();
        m_tabs->setCurrentIndex(slot);
        match.selectIn(*m_editors[size_t(slot)]);
    }
}

void DocumentsTools::refreshState()
{
    if (m_toolBar)
        m_toolBar->refreshState(isModified(activeSlot()));
}

} // namespace Velmora
