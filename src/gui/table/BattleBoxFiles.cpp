#include "gui/table/BattleBoxFiles.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxList.h"
#include "gui/documents/RichTextConverter.h"
#include "gui/documents/RichTextToolBar.h"
#include "gui/documents/ShortcutRelocator.h"
#include "gui/documents/ucSearch.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

bool isFile(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

} // namespace

BattleBoxFiles::BattleBoxFiles(ToolHost &host, BattleBoxList &list, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_list(list)
    , m_shownCaption(m_state.caption())
{
    setObjectName(u"BattleBoxFiles"_s);
    connect(&host.services(), &PartServices::columnsReset, this, [this](LayoutList reset) {
        if (reset != LayoutList::BattleBoxLists)
            return;
        m_columns = ListLayout::initialWidths()[size_t(reset)];
        if (m_savedView)
            ListColumns::apply(*m_savedView, m_columns);
    });
}

QWidget *BattleBoxFiles::panel()
{
    if (m_panel)
        return m_panel;
    m_panel = new QWidget;
    m_panel->setObjectName(u"BattleBoxFiles"_s);
    auto *layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(0, 0, 0, 0);
    buildNotes(m_panel);
    buildSavedList(m_panel);
    showSavedList();
    ListColumns::apply(*m_savedView, m_columns);
    showNotes();
    showState();
    return m_panel;
}

void BattleBoxFiles::buildNotes(QWidget *panel)
{
    m_toolBar = new RichTextToolBar(m_host.platform(), panel);
    m_toolBar->setProperty("index", ToolBarIndex);
    m_notes = new QTextEdit(panel);
    m_notes->setObjectName(u"rtbBBNotes"_s);
    m_toolBar->bindEditor(m_notes);
    panel->layout()->addWidget(m_toolBar);
    panel->layout()->addWidget(m_notes);
    // The notes get the search box every rich-text view has.
    auto *search = new ucSearch(m_host.platform(), panel);
    search->SearchIn(m_notes);
    panel->layout()->addWidget(search);
    connect(m_toolBar, &RichTextToolBar::buttonClick, this, &BattleBoxFiles::Toolbar1_ButtonClick);
    connect(m_notes, &QTextEdit::textChanged, this, [this] {
        if (m_fillingNotes)
            return;
        m_notesEdited = true;
        m_state.notesEdited();
        m_toolBar->refreshState(m_state.isModified());
    });
}

void BattleBoxFiles::buildSavedList(QWidget *panel)
{
    auto *label = new QLabel(tr("Saved BattleBox List"), panel);
    label->setObjectName(u"lblBBoxList"_s);
    m_savedModel = new QStandardItemModel(0, 2, panel);
    m_savedModel->setHorizontalHeaderLabels({tr("Name"), tr("Path")});
    m_savedView = new QTreeView(panel);
    m_savedView->setObjectName(u"lsvClass"_s);
    m_savedView->setProperty("index", SavedListIndex);
    m_savedView->setRootIsDecorated(false);
    m_savedView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_savedView->setModel(m_savedModel);
    // The columns keep the widths the campaign gave them, so that a save writes them back unchanged.
    m_savedView->header()->setStretchLastSection(false);
    m_savedView->setContextMenuPolicy(Qt::CustomContextMenu);
    panel->layout()->addWidget(label);
    panel->layout()->addWidget(m_savedView);
    connect(m_savedView, &QTreeView::clicked, this, [this](const QModelIndex &index) { lsvClass_Click(index.row()); });

    m_menu = new QMenu(tr("BattleBoxArchive"), panel);
    m_menu->setObjectName(u"mnuBB_Top"_s);
    const QString captions[] = {tr("New"), tr("Import..."), tr("Load..."), tr("Remove")};
    for (int index = New; index <= Remove; ++index) {
        QAction *action = m_menu->addAction(captions[index]);
        action->setObjectName(u"mnuBB"_s);
        action->setProperty("index", index);
        connect(action, &QAction::triggered, this, [this, index] { mnuBB_Click(index); });
    }
    connect(m_savedView, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { m_menu->popup(m_savedView->viewport()->mapToGlobal(at)); });
}

void BattleBoxFiles::applyCampaign(const CampaignModel &model)
{
    m_saved.clear();
    for (const Shortcut &row : model.linkedBattleBoxes) {
        if (!row.location.isEmpty())
            m_saved.append(row);
    }
    showSavedList();
    m_columns = model.layout.columns(LayoutList::BattleBoxLists);
    if (m_panel)
        ListColumns::apply(*m_savedView, m_columns);
    // The campaign's own list stays until a linked file replaces it; the previous campaign's file
    // and notes go.
    m_state.clear();
    setNotes({});
    if (!m_saved.isEmpty())
        LoadBattleBoxFile(fileOfRow(0));
    showState();
}

void BattleBoxFiles::collectCampaign(CampaignModel &model)
{
    model.linkedBattleBoxes = m_saved;
    if (m_panel)
        ListColumns::read(*m_savedView, m_columns);
    model.layout.columns(LayoutList::BattleBoxLists) = m_columns;
}

void BattleBoxFiles::saveIfModified()
{
    if (m_state.isModified() && !m_state.loadedName().isEmpty())
        SaveBattleBoxFile(m_state.loadedName());
}

void BattleBoxFiles::listEdited()
{
    m_state.listEdited();
    showState();
}

void BattleBoxFiles::AskSaveBattleBox()
{
    if (!m_state.isModified())
        return;
    const BattleBoxFile::Message ask = BattleBoxFile::saveChanges();
    if (m_host.platform().message(ask.title, ask.text, MessageButtons::YesNo, MessageIcon::Exclamation)
        == MessageAnswer::Yes) {
        const QString path = isFile(m_state.loadedName()) ? m_state.loadedName() : ChooseBattleBoxFile(Choice::New);
        if (!path.isEmpty())
            SaveBattleBoxFile(path);
        m_host.sounds().play(SoundEvent::Save);
    }
    m_state.setModified(false);
    showState();
}

// A new file is chosen in a save dialog, which asks before naming a file that exists; an
// existing one in an open dialog, which takes only files that exist.
QString BattleBoxFiles::ChooseBattleBoxFile(Choice choice)
{
    FileDialogRequest request;
    request.title = BattleBoxFile::chooseTitle();
    request.filter = BattleBoxFile::fileFilter();
    request.initialFileName = m_state.loadedName();
    request.initialFolder = m_host.folder().file(u"\\Campaigns"_s);
    request.overwritePrompt = choice == Choice::New;
    request.fileMustExist = choice == Choice::Existing;
    Platform &platform = m_host.platform();
    return (choice == Choice::New ? platform.saveFile(request) : platform.openFile(request)).path;
}

bool BattleBoxFiles::SaveBattleBoxFile(QString path)
{
    if (!m_state.isModified())
        return false;
    if (path.isEmpty())
        path = ChooseBattleBoxFile(Choice::New);
    const QByteArray notes = notesBytes();
    const Result<bool> saved = m_state.save(path, m_list, notes);
    if (!saved) {
        fileError(saved.error().path, saved.error().message);
        return false;
    }
    if (*saved) {
        m_loadedNotes = notes;
        m_notesEdited = false;
    }
    showState();
    return *saved;
}

void BattleBoxFiles::LoadBattleBoxFile(const QString &path)
{
    QByteArray notes;
    m_state.setLoading(true);
    const Result<BattleBoxFile::Reading> reading = m_state.load(path, m_list, notes);
    // The Battle Box list is the campaign's too: replacing it is a change of the campaign.
    if (reading && (*reading == BattleBoxFile::Reading::Loaded || *reading == BattleBoxFile::Reading::WrongFile)) {
        setNotes(notes);
        markModified();
    }
    m_state.setLoading(false);
    showState();
    if (!reading) {
        fileError(reading.error().path, reading.error().message);
    } else if (*reading == BattleBoxFile::Reading::WrongFile) {
        const BattleBoxFile::Message refusal = BattleBoxFile::wrongFile();
        m_host.platform().information(refusal.title, refusal.text);
    }
}

// The saved list keeps paths as the campaign stores every path (relative under the application
// folder), so that a campaign moves with its folder.
void BattleBoxFiles::LinkBattleBoxFile(const QString &path)
{
    const QList<Shortcut> before = m_saved;
    BattleBoxFile::LinkBattleBoxFile(m_saved, m_host.folder().storedPath(path));
    if (m_saved != before) {
        showSavedList();
        markModified();
    }
}

void BattleBoxFiles::ClearBattleBox()
{
    unload();
    m_saved.clear();
    showSavedList();
}

void BattleBoxFiles::unload()
{
    m_state.setLoading(true);
    m_list.clear();
    setNotes({});
    m_state.setLoading(false);
    m_state.clear();
    showState();
}

void BattleBoxFiles::mnuBB_Click(int index)
{
    m_host.sounds().play(SoundEvent::Click);
    const int row = selectedRow();
    switch (index) {
    case New:
    case Import: {
        AskSaveBattleBox();
        if (index == New)
            ClearBattleBox();
        const QString path = ChooseBattleBoxFile(index == New ? Choice::New : Choice::Existing);
        if (path.isEmpty())
            break;
        m_state.setLoadedName(path);
        LinkBattleBoxFile(path);
        if (index == Import)
            LoadBattleBoxFile(path);
        m_state.showLinked(path);
        markModified();
        break;
    }
    case Load:
        AskSaveBattleBox();
        // A missing file changes nothing: naming it as the loaded file would later save the
        // Battle Box shown over it.
        if (row >= 0 && isFile(fileOfRow(row))) {
            const QString path = fileOfRow(row);
            LoadBattleBoxFile(path);
            m_state.setLoadedName(path);
            m_state.showLinked(path);
            markModified();
        }
        if (m_panel)
            m_savedView->clearSelection();
        break;
    case Remove:
        if (row < 0)
            break;
        // Unlinking the loaded file empties the Battle Box, but the other links stay: losing
        // every link of the campaign for one unlinked file would be a surprise.
        if (m_state.isShowing(fileOfRow(row))) {
            AskSaveBattleBox();
            unload();
        }
        m_saved.removeAt(row);
        showSavedList();
        if (m_panel)
            m_savedView->clearSelection();
        markModified();
        break;
    }
    showState();
}

void BattleBoxFiles::lsvClass_Click(int row)
{
    if (row < 0 || row >= m_saved.size())
        return;
    AskSaveBattleBox();
    QString path = fileOfRow(row);
    if (!isFile(path)) {
        path = ShortcutRelocator(m_host.platform(), m_host.folder()).relocate(m_saved, row);
        if (path.isEmpty())
            return;
        showSavedList();
        markModified();
    }
    LoadBattleBoxFile(path);
}

QTextEdit *BattleBoxFiles::showNotesOf(const QString &location)
{
    panel();
    const auto row = std::find_if(m_saved.cbegin(), m_saved.cend(),
                         [&](const Shortcut &saved) { return saved.location == location; })
        - m_saved.cbegin();
    if (row >= m_saved.size())
        return nullptr;
    m_savedView->setCurrentIndex(m_savedModel->index(int(row), 0));
    if (m_state.loadedName() != fileOfRow(int(row)))
        lsvClass_Click(int(row));
    return m_state.loadedName() == fileOfRow(int(row)) ? m_notes : nullptr;
}

void BattleBoxFiles::Toolbar1_ButtonClick(const QString &key)
{
    if (key == u"Open"_s) {
        AskSaveBattleBox();
        const QString path = ChooseBattleBoxFile(Choice::Existing);
        if (isFile(path)) {
            LoadBattleBoxFile(path);
            m_state.setLoadedName(path);
            LinkBattleBoxFile(path);
        }
    } else if (key == u"Save"_s) {
        QString path = m_state.loadedName();
        const bool chosen = path.isEmpty();
        if (chosen)
            path = ChooseBattleBoxFile(Choice::New);
        if (path.isEmpty()) {
            const BattleBoxFile::Message refusal = BattleBoxFile::notSaved();
            m_host.platform().information(refusal.title, refusal.text);
        } else {
            SaveBattleBoxFile(path);
            m_host.sounds().play(SoundEvent::Save);
            if (chosen) {
                m_state.setLoadedName(path);
                LinkBattleBoxFile(path);
            }
        }
        m_state.setModified(false);
    } else if (key == u"SaveAs"_s) {
        const QString path = ChooseBattleBoxFile(Choice::New);
        if (!path.isEmpty()) {
            m_state.setModified(true);
            SaveBattleBoxFile(path);
            m_state.setLoadedName(path);
            LinkBattleBoxFile(path);
        }
    }
    showState();
    m_host.sounds().play(SoundEvent::Click);
}

void BattleBoxFiles::setNotes(const QByteArray &rtf)
{
    m_loadedNotes = rtf;
    m_notesEdited = false;
    showNotes();
}

void BattleBoxFiles::showNotes()
{
    if (!m_panel)
        return;
    const QScopedValueRollback filling(m_fillingNotes, true);
    RichTextConverter::toQTextDocument(BattleBoxFile::notesDocument(m_loadedNotes), *m_notes->document());
}

QByteArray BattleBoxFiles::notesBytes() const
{
    return m_notesEdited && m_panel
        ? BattleBoxFile::notesBytes(RichTextConverter::fromQTextDocument(*m_notes->document()))
        : m_loadedNotes;
}

int BattleBoxFiles::selectedRow() const
{
    if (!m_panel)
        return -1;
    const QModelIndexList rows = m_savedView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString BattleBoxFiles::fileOfRow(int row) const { return m_host.folder().storedFile(m_saved.at(row).location); }

void BattleBoxFiles::showSavedList()
{
    if (!m_panel)
        return;
    m_savedModel->removeRows(0, m_savedModel->rowCount());
    for (const Shortcut &row : m_saved) {
        auto *name = new QStandardItem(row.name);
        auto *path = new QStandardItem(row.location);
        name->setEditable(false);
        path->setEditable(false);
        m_savedModel->appendRow({name, path});
    }
}

void BattleBoxFiles::showState()
{
    if (m_panel)
        m_toolBar->refreshState(m_state.isModified());
    if (m_state.caption() != m_shownCaption) {
        m_shownCaption = m_state.caption();
        emit captionChanged(m_shownCaption);
    }
}

void BattleBoxFiles::markModified() { m_host.campaignSession().markModified(); }

void BattleBoxFiles::fileError(const QString &path, const QString &message)
{
    m_host.platform().exclamation(u"Velmora"_s, u'"' + path + u"\" "_s + message);
}

} // namespace Velmora
