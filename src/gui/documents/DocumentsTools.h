#pragma once

#include "core/documents/NotesDocuments.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/SearchHitOpener.h"

#include <QObject>

#include <array>

class QLabel;
class QTabWidget;
class QTextEdit;

namespace Velmora {

class RichTextToolBar;
class ToolHost;
class ucSearch;

/// The Docs tab: the three notes documents of the campaign (rtbText 0-2 on the inner tabs
/// tbsDocs, each with its path in lblLoadedDocs and a search box), under the rich-text toolbar
/// Toolbar1 index 0, which acts on the slot showing. The campaign keeps the three paths; the
/// documents are files of their own, read when the tab is first shown and at every campaign
/// load after that, and written by the toolbar's "Save" and "SaveAs" and, when modified, after
/// every campaign save and at close.
class DocumentsTools : public QObject, public CampaignPart, public SearchHitOpener<SearchPlaceKind::Notes>
{
    Q_OBJECT

public:
    explicit DocumentsTools(ToolHost &host, QObject *parent = nullptr);

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override { }
    void saveModifiedDocuments() override;

    /// The slot's editor; builds the tab when it has not been shown yet.
    QTextEdit *editor(int slot);
    /// The inner tab showing.
    int activeSlot() const;
    bool isModified(int slot) const;

    void Toolbar1_ButtonClick(const QString &key);
    /// A match of the whole-campaign search in a notes document: its slot in front, the match
    /// selected in what the slot holds now.
    void openHit(FoundMatch &match) override;

private:
    void build();
    /// The slot's inner tab: its search box, editor and path.
    QWidget *buildPage(int slot);
    void loadAll();
    /// Reads `file` into the slot; false, with the slot as it was, when it cannot be read.
    bool loadSlot(int slot, const QString &file);
    void keepPath(int slot, const QString &file);
    bool saveSlot(int slot, const QString &file);
    void open(int slot);
    void saveAs(int slot);
    void refreshState();
    QString fileOf(int slot) const;

    ToolHost &m_host;
    NotesDocuments m_documents;
    RichTextToolBar *m_toolBar = nullptr;
    QTabWidget *m_tabs = nullptr;
    std::array<QTextEdit *, NotesDocuments::SlotCount> m_editors {};
    std::array<QLabel *, NotesDocuments::SlotCount> m_labels {};
};

} // namespace Velmora
