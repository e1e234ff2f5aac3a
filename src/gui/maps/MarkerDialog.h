#pragma once

#include "core/common/AppFolder.h"
#include "core/maps/MapCollection.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace Velmora {

class Platform;

/// What tells the three marker dialogs apart. An empty `nameLabel` makes a dialog without name.
struct MarkerDialogTexts
{
    QString objectName;
    QString title;
    QString nameLabel;
    QString mapLabel;
    QString iconTitle;
    QString iconFilter;
    QString duplicateTitle;
    QString duplicateMessage;
};

/// What the player, object and note dialogs share: the marker's map, its position, its icon and
/// (players, objects) its name, with the OK rule, the icon choice and the duplicate-name check.
/// An icon chosen outside the application folder's "Campaigns/MapIcons" is shown under the name
/// its copy will have there and copied at OK.
class MarkerDialog : public QDialog
{
    Q_OBJECT

public:
    bool cancelled() const { return m_cancelled; }

protected:
    MarkerDialog(Platform &platform, AppFolder folder, const MarkerDialogTexts &texts, QWidget *parent);

    /// A field of the kind, placed after the name.
    void addField(const QString &label, QWidget *field);
    /// `names` are the names of the dialog's own list; `name` the edited marker's ("" when new).
    /// `mapKey` is the edited marker's map, or for a new one the map in front.
    void initMarker(
        const QStringList &names, const QList<MapEntry> &maps, bool isNew, const QString &name, const QString &mapKey);
    /// An edited marker's position and icon.
    void initPlace(float x, float y, const QString &icon);

    QString name() const;
    QString mapKey() const;
    float posX() const;
    float posY() const;
    /// The icon in the stored form: relative to the application folder when inside it.
    QString icon() const;

private:
    QLineEdit *lineEdit(const QString &objectName);
    QLineEdit *positionField(const QString &objectName);
    void chooseIcon();
    void refreshOk();
    void confirm();
    QString iconFolder() const;

    Platform &m_platform;
    AppFolder m_folder;
    MarkerDialogTexts m_texts;
    QStringList m_names;
    QString m_editedName;
    bool m_isNew = true;
    bool m_cancelled = true;
    QString m_iconSource; // a chosen icon outside the icon folder, copied at OK
    QFormLayout *m_form = nullptr;
    int m_fieldRow = 0;
    QLineEdit *m_name = nullptr;
    QComboBox *m_map = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QLineEdit *m_icon = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace Velmora
