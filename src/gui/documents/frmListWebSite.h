#pragma once

#include "core/common/AppFolder.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Velmora {

class Platform;

/// The shortcut dialog of the reference lists: a name and a location. For the web sites list the
/// address is typed or pasted; for every other list "Get" picks a file, which also names the
/// shortcut. The caller runs it through Platform::execDialog and reads URL() and URL_name()
/// unless cancelled().
class frmListWebSite : public QDialog
{
    Q_OBJECT

public:
    frmListWebSite(Platform &platform, AppFolder folder, QWidget *parent = nullptr);

    /// The list the shortcut is for and, when editing, the item's name and location (a file in
    /// the campaign's stored form).
    void init(int listIndex, const QString &name = {}, const QString &location = {});
    /// The location: an address, or a file in the campaign's stored form.
    QString URL() const;
    QString URL_name() const;
    bool cancelled() const { return m_cancelled; }

    void cmdGet_Click();

private:
    Platform &m_platform;
    AppFolder m_folder;
    QLabel *m_nameLabel;
    QLabel *m_locationLabel;
    QLineEdit *m_name;
    QLineEdit *m_location;
    QPushButton *m_get;
    QPushButton *m_ok;
    bool m_cancelled = true;
};

} // namespace Velmora
