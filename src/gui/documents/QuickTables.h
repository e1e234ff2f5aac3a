#pragma once

#include "core/common/AppFolder.h"

#include <QPointer>
#include <QWidget>

namespace Velmora {

class DocumentViewer;

/// The quick tables of the Resources tab: twelve buttons (ObjectsCommand 0-11, "Click to load
/// file") in the frames "Hardness And HP", "Movement" and "Misc. Tables", each loading one rules
/// document of the application's Library folder into the tab's viewer.
///
///     auto *tables = new QuickTables(host.folder(), viewer, resourcesPage);
///
/// A press first runs the viewer's save prompt (AskSaveChanges), then loads the file and shows
/// its path above the viewer.
class QuickTables : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Count = 12;

    QuickTables(const AppFolder &folder, DocumentViewer *viewer, QWidget *parent = nullptr);

    void setViewer(DocumentViewer *viewer) { m_viewer = viewer; }
    /// The button's file, relative to the application folder ("\Library\Encounters.rtf").
    static QString file(int index);

    void ObjectsCommand_Click(int index);

private:
    AppFolder m_folder; // a copy: a caller may hand over a temporary
    QPointer<DocumentViewer> m_viewer;
};

} // namespace Velmora
