#include "gui/documents/ReferenceTools.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "core/documents/CustomClasses.h"
#include "core/documents/ItemOpening.h"
#include "core/persistence/CampaignModel.h"
#include "gui/documents/DocumentViewer.h"
#include "gui/documents/QuickTables.h"
#include "gui/documents/ReferenceListFrame.h"
#include "gui/documents/ShortcutRelocator.h"
#include "gui/documents/frmListWebSite.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

LayoutList layoutOf(int index)
{
    switch (index) {
    case ReferenceList::Standard:
        return LayoutList::Standard;
    case ReferenceList::Prestige:
        return LayoutList::Prestige;
    case ReferenceList::Links:
        return LayoutList::Links;
    case ReferenceList::Articles:
        return LayoutList::Articles;
    case ReferenceList::NetBooks:
        return LayoutList::NetBooks;
    case ReferenceList::WebSites:
        return LayoutList::WebSites;
    case ReferenceList::Characters:
        return LayoutList::Characters;
    default:
        return LayoutList::Library;
    }
}

bool isFile(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

} // namespace

ReferenceTools::ReferenceTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    setObjectName(u"ReferenceTools"_s);
    m_shelf = ReferenceShelf::fromCampaign(CampaignModel::newCampaign(), host.folder());
    host.services().provide<SearchHitOpener<SearchPlaceKind::List>>(this);
    // The options dialog retitles lists 2 to 5 and resets chosen lists' columns.
    connect(&host.services(), &PartServices::changed, this, [this](SharedData what) {
        if (what != SharedData::LabelCaptions)
            return;
        if (const FrameLabels *labels = m_host.services().find<FrameLabels>())
            retitle(*labels);
    });
    connect(&host.services(), &PartServices::columnsReset, this, [this](LayoutList list) {
        for (int index : ReferenceList::indexes()) {
            if (layoutOf(index) != list)
                continue;
            m_columns.insert(index, ListLayout::initialWidths()[size_t(list)]);
            if (ReferenceListFrame *frame = m_frames.value(index))
                ListColumns::apply(*frame->view(), m_columns.value(index));
        }
    });
    host.onFirstShown(MainTab::Classes, this, [this] { buildClassesTab(); });
    host.onFirstShown(MainTab::Resources, this, [this] { buildResourcesTab(); });
}

ReferenceTools::~ReferenceTools() = default;

void ReferenceTools::buildClassesTab()
{
    auto *tools = new QWidget;
    tools->setObjectName(u"ReferenceToolsClasses"_s);
    auto *row = new QHBoxLayout(tools);
    auto *lists = new QVBoxLayout;
    lists->addWidget(addFrame(ReferenceList::Standard, tools));
    lists->addWidget(addFrame(ReferenceList::Prestige, tools));
    row->addLayout(lists, 1);
    m_classViewer = new DocumentViewer(m_host.platform(), ViewerEditing::Place::Above, u"lblClassFile"_s, tools);
    m_classViewer->view()->setProperty("index", 0);
    row->addWidget(m_classViewer, 2);
    m_host.placeOnTab(MainTab::Classes, tools);
}

void ReferenceTools::buildResourcesTab()
{
    auto *tools = new QWidget;
    tools->setObjectName(u"ReferenceToolsResources"_s);
    auto *row = new QHBoxLayout(tools);
    auto *lists = new QVBoxLayout;
    for (int index : { ReferenceList::Links, ReferenceList::Articles, ReferenceList::NetBooks, ReferenceList::WebSites,
             ReferenceList::Characters, ReferenceList::Library })
        lists->addWidget(addFrame(index, tools));
    row->addLayout(lists, 1);
    auto *viewer = new QVBoxLayout;
    m_docViewer = new DocumentViewer(m_host.platform(), ViewerEditing::Place::Below, u"lblDoc"_s, tools);
    m_docViewer->view()->setProperty("index", 1);
    viewer->addWidget(m_docViewer, 1);
    viewer->addWidget(new QuickTables(m_host.folder(), m_docViewer, tools));
    row->addLayout(viewer, 2);
    m_host.placeOnTab(MainTab::Resources, tools);
}

ReferenceListFrame *ReferenceTools::addFrame(int index, QWidget *parent)
{
    auto *frame = new ReferenceListFrame(index, ReferenceList::caption(index, m_shelf.labels), parent);
    m_frames.insert(index, frame);
    showList(index);
    ListColumns::apply(*frame->view(), m_columns.value(index, ListLayout::defaults().columns(layoutOf(index))));
    connect(frame, &ReferenceListFrame::itemClicked, this, &ReferenceTools::lsvClass_Click);
    connect(frame, &ReferenceListFrame::menuRequested, this, [this](int list, const QPoint &at) {
        m_menuList = list;
        m_menu->popup(at);
    });
    if (!m_menu) {
        m_menu = new QMenu(parent);
        m_menu->setObjectName(u"mnuC"_s);
        const QString captions[] = { tr("&Add..."), tr("&Edit..."), tr("&Remove"), QString(), tr("&Print...") };
        for (int command = Add; command <= Print; ++command) {
            if (command == Separator) {
                m_menu->addSeparator();
                continue;
            }
            QAction *action = m_menu->addAction(captions[command]);
            action->setObjectName(u"mnuCItem"_s);
            action->setProperty("index", command);
            connect(
                action, &QAction::triggered, this, [this, command] { mnuC_Click(m_menuList, MenuCommand(command)); });
        }
    }
    return frame;
}

void ReferenceTools::applyCampaign(const CampaignModel &model)
{
    QStringList problems;
    m_shelf = ReferenceShelf::fromCampaign(model, m_host.folder(), &problems);
    for (int index : ReferenceList::indexes()) {
        m_columns.insert(index, model.layout.columns(layoutOf(index)));
        if (ReferenceListFrame *frame = m_frames.value(index)) {
            showList(index);
            ListColumns::apply(*frame->view(), m_columns.value(index));
        }
    }
    retitle(model.labels);
    if (!problems.isEmpty())
        m_host.platform().exclamation(u"Velmora"_s,
            tr("Some lines of \"%1\" were passed over:")
                    .arg(QDir::toNativeSeparators(CustomClasses::path(m_host.folder())))
                + u"\r\n"_s + problems.join(u"\r\n"_s));
}

void ReferenceTools::collectCampaign(CampaignModel &model)
{
    m_shelf.collect(model);
    for (int index : ReferenceList::indexes()) {
        if (ReferenceListFrame *frame = m_frames.value(index))
            ListColumns::read(*frame->view(), m_columns[index]);
        if (m_columns.contains(index))
            model.layout.columns(layoutOf(index)) = m_columns.value(index);
    }
}

void ReferenceTools::saveModifiedDocuments()
{
    for (DocumentViewer *viewer : { m_classViewer, m_docViewer }) {
        if (viewer)
            viewer->saveIfModified();
    }
}

void ReferenceTools::retitle(const FrameLabels &labels)
{
    m_shelf.labels = labels;
    for (ReferenceListFrame *frame : std::as_const(m_frames))
        frame->setTitle(ReferenceList::caption(frame->index(), labels));
}

void ReferenceTools::mnuC_Click(int listIndex, MenuCommand command)
{
    if (!ReferenceList::indexes().contains(listIndex))
        return;
    m_host.sounds().play(SoundEvent::Click);
    const int row = selectedRow(listIndex);
    const ReferenceList &list = m_shelf.list(listIndex);
    if ((command == Edit && row < 0)
        || (command == Remove && list.removal(row) == ReferenceList::Removal::NothingSelected)) {
        const ReferenceList::Message select = ReferenceList::selectItem();
        m_host.platform().information(select.title, select.text);
        return;
    }
    switch (command) {
    case Add:
    case Edit:
        // The folder listings are not the campaign's: what is changed there lasts until the next load.
        if (editItem(listIndex, command == Add ? -1 : row) && !list.isFolderList())
            markModified();
        break;
    case Remove:
        removeItem(listIndex, row);
        break;
    case Print:
        printList(listIndex);
        break;
    case Separator:
        break;
    }
}

bool ReferenceTools::editItem(int index, int row)
{
    ReferenceList &list = m_shelf.list(index);
    frmListWebSite dialog(m_host.platform(), m_host.folder(), m_host.dialogParent());
    if (row < 0)
        dialog.init(index);
    else
        dialog.init(index, list.items().at(row).text, list.items().at(row).location);
    m_host.platform().execDialog(dialog);
    if (dialog.cancelled())
        return false;
    // A file typed in full under the application folder is kept in the relative form too.
    const QString location = index == ReferenceList::WebSites ? dialog.URL() : m_host.folder().storedPath(dialog.URL());
    if (row < 0)
        list.add(dialog.URL_name(), location);
    else
        list.edit(row, dialog.URL_name(), location);
    showList(index);
    return true;
}

void ReferenceTools::removeItem(int index, int row)
{
    ReferenceList &list = m_shelf.list(index);
    switch (list.removal(row)) {
    case ReferenceList::Removal::AskFirst: {
        const ReferenceList::Message ask = ReferenceList::defaultClassRemoval();
        if (!m_host.platform().question(ask.title, ask.text))
            return;
        break;
    }
    case ReferenceList::Removal::Remove:
        break;
    default:
        return;
    }
    list.remove(row);
    showList(index);
    clearSelection(index);
    // The spec of the lists has only adding and editing mark the campaign; a removed item is a
    // change of the campaign all the same, and a save must not lose it.
    markModified();
}

// The list's caption, then one line per item: its name and where it leads.
void ReferenceTools::printList(int index)
{
    const QString caption = ReferenceList::caption(index, m_shelf.labels);
    QPrinter printer;
    if (!m_host.platform().choosePrinter(printer, caption))
        return;
    QString html = u"<h3>"_s + caption.toHtmlEscaped() + u"</h3><table>"_s;
    for (const ReferenceItem &item : m_shelf.list(index).items())
        html += u"<tr><td>"_s + item.text.toHtmlEscaped() + u"</td><td>"_s + item.location.toHtmlEscaped()
            + u"</td></tr>"_s;
    QTextDocument document;
    document.setHtml(html + u"</table>"_s);
    document.print(&printer);
}

void ReferenceTools::lsvClass_Click(int listIndex, int row)
{
    if (!ReferenceList::indexes().contains(listIndex) || row < 0 || row >= m_shelf.list(listIndex).items().size())
        return;
    ReferenceList &list = m_shelf.list(listIndex);
    ItemOpening opening = ItemOpening::of(listIndex, list.items().at(row).location);
    DocumentViewer *viewer = viewerOf(listIndex);
    if (opening.askSaveFirst && viewer)
        viewer->AskSaveChanges();
    QString target = targetOf(listIndex, row);
    if (opening.relocateMissing && !isFile(target)) {
        QList<Shortcut> locations = list.toShortcuts();
        target = ShortcutRelocator(m_host.platform(), m_host.folder()).relocate(locations, row);
        if (target.isEmpty())
            return;
        list.setLocations(locations);
        showList(listIndex);
        if (!list.isFolderList())
            markModified();
        opening = ItemOpening::of(listIndex, list.items().at(row).location);
    }
    if (viewer && opening.label != ItemOpening::Label::None)
        viewer->showPath(target);
    switch (opening.action) {
    case ItemOpening::Action::Viewer:
    case ItemOpening::Action::PathOnly: // the viewer keeps a "pdf" without loading it
        if (viewer)
            viewer->loadFile(target);
        break;
    case ItemOpening::Action::ShellBusy:
        // The shell starts the page's program with "C:\" as its working folder on Windows; here
        // the desktop's handler picks its own. The busy cursor stays until the call returns; we
        // do not wait for the program that shows the page to end.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_host.platform().shellOpen(target);
        QGuiApplication::restoreOverrideCursor();
        break;
    case ItemOpening::Action::Shell:
        m_host.platform().shellOpen(target);
        break;
    case ItemOpening::Action::BattleBox:
        break; // the saved Battle Box lists are the Battle Box's
    }
}

QString ReferenceTools::targetOf(int index, int row) const
{
    const QString &location = m_shelf.list(index).items().at(row).location;
    return index == ReferenceList::WebSites ? location : m_host.folder().storedFile(location);
}

void ReferenceTools::showList(int index)
{
    if (ReferenceListFrame *frame = m_frames.value(index))
        frame->show(m_shelf.list(index));
}

int ReferenceTools::selectedRow(int index) const
{
    const ReferenceListFrame *frame = m_frames.value(index);
    return frame ? frame->selectedRow() : -1;
}

void ReferenceTools::clearSelection(int index)
{
    if (ReferenceListFrame *frame = m_frames.value(index))
        frame->clearSelection();
}

DocumentViewer *ReferenceTools::viewerOf(int index) const
{
    return ReferenceList(index).isClassList() ? m_classViewer : m_docViewer;
}

void ReferenceTools::markModified() { m_host.campaignSession().markModified(); }

// "list:<index>:<item text>"; the item text may hold ":" itself.
void ReferenceTools::openHit(FoundMatch &match)
{
    const QString &where = match.hit().where;
    const int index = where.section(u':', 1, 1).toInt();
    if (!ReferenceList::indexes().contains(index))
        return;
    m_host.showTab(ReferenceList(index).isClassList() ? MainTab::Classes : MainTab::Resources);
    int row = rowOf(index, where.section(u':', 2), match.hit().path);
    // The search lists a folder as it is now; the list shows it as it was at the load.
    if (row < 0 && ReferenceList(index).isFolderList()) {
        m_shelf.refreshFolders(m_host.folder());
        showList(ReferenceList::Characters);
        showList(ReferenceList::Library);
        row = rowOf(index, where.section(u':', 2), match.hit().path);
    }
    ReferenceListFrame *frame = m_frames.value(index);
    if (row < 0 || !frame) {
        match.placeGone();
        return;
    }
    frame->view()->setCurrentIndex(frame->view()->model()->index(row, 0));
    lsvClass_Click(index, row);
    const ReferenceItem &item = m_shelf.list(index).items().at(row);
    DocumentViewer *viewer = viewerOf(index);
    if (ItemOpening::of(index, item.location).action == ItemOpening::Action::Viewer && viewer
        && viewer->loadedFile() == targetOf(index, row))
        match.selectIn(*viewer->view());
}

int ReferenceTools::rowOf(int index, const QString &text, const QString &location) const
{
    const QList<ReferenceItem> &items = m_shelf.list(index).items();
    int named = -1;
    for (int row = 0; row < items.size(); ++row) {
        if (items.at(row).text != text)
            continue;
        if (items.at(row).location == location)
            return row;
        if (named < 0)
            named = row;
    }
    return named;
}

} // namespace Velmora
