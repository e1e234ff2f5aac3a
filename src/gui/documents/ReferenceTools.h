#pragma once

#include "core/documents/ReferenceShelf.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/SearchHitOpener.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace Velmora {

class DocumentViewer;
class ReferenceListFrame;
class ToolHost;

/// The reference shelf on the main window: the class lists (lsvClass 0 and 1) with their
/// document viewer and lblClassFile on the "Classes" tab; the custom links, articles, net books,
/// web sites and the Characters and Library folders (lsvClass 2 to 5, 7 and 8) with their viewer,
/// lblDoc and the quick tables on the "Resources" tab. Each tab is built the first time it is in
/// front; the lists live in the shelf here, so a campaign loads and saves the same either way.
/// The context menu mnuC adds, edits, removes and prints a list's items.
class ReferenceTools : public QObject,
                       public CampaignPart,
                       public SearchHitOpener<SearchPlaceKind::List>
{
    Q_OBJECT

public:
    enum MenuCommand { Add, Edit, Remove, Separator, Print };

    explicit ReferenceTools(ToolHost &host, QObject *parent = nullptr);
    ~ReferenceTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override { }
    void saveModifiedDocuments() override;
    /// Lists 2 to 5 take the captions the game master gave them.
    void retitle(const FrameLabels &labels);

    const ReferenceShelf &shelf() const { return m_shelf; }

    void mnuC_Click(int listIndex, MenuCommand command);
    void lsvClass_Click(int listIndex, int row);
    /// A match of the whole-campaign search in a list's document: the item selected and opened
    /// as a click opens it, the match selected in the viewer when the document shows there.
    void openHit(FoundMatch &match) override;

private:
    void buildClassesTab();
    void buildResourcesTab();
    ReferenceListFrame *addFrame(int index, QWidget *parent);
    void showList(int index);
    int selectedRow(int index) const;
    void clearSelection(int index);
    /// Opens the shortcut dialog on `row` (-1: a new item); false when cancelled.
    bool editItem(int index, int row);
    void removeItem(int index, int row);
    void printList(int index);
    /// The item's file or address as this machine finds it.
    QString targetOf(int index, int row) const;
    /// The viewer beside list `index`, nullptr until its tab is built.
    DocumentViewer *viewerOf(int index) const;
    void markModified();
    /// The row of list `index` whose item is `text` (at `location` when several are), or -1.
    int rowOf(int index, const QString &text, const QString &location) const;

    ToolHost &m_host;
    ReferenceShelf m_shelf;
    QMap<int, QList<float>> m_columns; ///< the campaign's widths, in twips, by list index
    QMap<int, ReferenceListFrame *> m_frames; ///< the built lists
    QStringList m_customProblems; ///< the custom classes file's, said once at the next load
    QPointer<QMenu> m_menu;
    int m_menuList = -1;
    DocumentViewer *m_classViewer = nullptr;
    DocumentViewer *m_docViewer = nullptr;
};

} // namespace Velmora
