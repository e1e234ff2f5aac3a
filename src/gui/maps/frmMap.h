#pragma once

#include "core/common/AppFolder.h"
#include "core/maps/MapCollection.h"
#include "core/maps/oGrid.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Velmora {

class Platform;

/// The map dialog ("Map Selection"): a map's name, picture and grid. A new map's picture is
/// chosen with the browse button, which copies a picture whose base name is already a map key
/// into the application folder's "Campaigns" (MapPictureChoice). The caller runs it through
/// Platform::execDialog.
class frmMap : public QDialog
{
    Q_OBJECT

public:
    frmMap(Platform &platform, AppFolder folder, QWidget *parent = nullptr);

    /// `maps` is the collection's map list; `isNew` false disables the picture and its browse
    /// button.
    void init(const QString &name, const QString &filename, bool gridVisible, const oGrid &grid,
        const QList<MapEntry> &maps, bool isNew);

    QString MapKey() const;
    QString MapName() const;
    /// The picture in the stored form: relative to the application folder when inside it.
    QString MapFilename() const;
    oGrid Grid() const;
    bool IsGridVisible() const;
    bool cancelled() const { return m_cancelled; }

private:
    QWidget *buildGrid();
    void setColour(int colour);
    void chooseColour();
    void browse();
    void chooseDivisions(bool divisions);
    void refreshOk();

    Platform &m_platform;
    AppFolder m_folder;
    QList<MapEntry> m_maps;
    bool m_isNew = true;
    bool m_cancelled = true;
    int m_colour = oGrid().Colour;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_filename = nullptr;
    QPushButton *m_browse = nullptr;
    QCheckBox *m_visible = nullptr;
    QLineEdit *m_x = nullptr;
    QRadioButton *m_same = nullptr;
    QRadioButton *m_divisions = nullptr;
    QLineEdit *m_y = nullptr;
    QLabel *m_swatch = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace Velmora
