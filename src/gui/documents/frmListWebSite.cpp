#include "gui/documents/frmListWebSite.h"

#include "core/documents/ShortcutForm.h"
#include "gui/ui/FieldFilter.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmListWebSite::frmListWebSite(Platform &platform, AppFolder folder, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_folder(std::move(folder))
    , m_nameLabel(new QLabel(this))
    , m_locationLabel(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_location(new QLineEdit(this))
    , m_get(PushButtons::make(tr("Get"), u"cmdGet"_s, this))
    , m_ok(PushButtons::make(tr("OK"), u"cmdOK"_s, this))
{
    setObjectName(u"frmListWebSite"_s);
    setWindowTitle(tr("Shortcut"));
    m_nameLabel->setObjectName(u"lblName"_s);
    m_locationLabel->setObjectName(u"lblURL"_s);
    m_name->setObjectName(u"txtURL_name"_s);
    m_location->setObjectName(u"txtURL"_s);
    // The name goes into a ";" record; an address may hold ";" (the record ends with it).
    FieldFilter::keepOnly(m_name, [](QChar c) { return c != u';'; });
    QPushButton *cancel = PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(m_locationLabel);
    auto *location = new QHBoxLayout;
    location->addWidget(m_location, 1);
    location->addWidget(m_get);
    layout->addLayout(location);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // A shortcut without a name would be an empty row of the list: OK waits for one.
    connect(m_name, &QLineEdit::textChanged, this, [this] { m_ok->setEnabled(!m_name->text().isEmpty()); });
    connect(m_get, &QPushButton::clicked, this, &frmListWebSite::cmdGet_Click);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_cancelled = false;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    init(0);
}

void frmListWebSite::init(int listIndex, const QString &name, const QString &location)
{
    const ShortcutForm form = ShortcutForm::forList(listIndex);
    m_nameLabel->setText(form.nameLabel);
    m_locationLabel->setText(form.locationLabel);
    m_get->setVisible(!ShortcutForm::isWebSiteMode(listIndex));
    m_name->setText(name);
    m_location->setText(location);
    m_ok->setEnabled(!name.isEmpty());
    m_cancelled = true;
}

QString frmListWebSite::URL() const { return m_location->text(); }

QString frmListWebSite::URL_name() const { return m_name->text(); }

void frmListWebSite::cmdGet_Click()
{
    FileDialogRequest request;
    request.title = ShortcutForm::getTitle();
    request.filter = ShortcutForm::getFilter();
    if (!m_location->text().isEmpty())
        request.initialFileName = m_folder.storedFile(m_location->text());
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    m_location->setText(m_folder.storedPath(chosen.path));
    m_name->setText(ShortcutForm::nameOfFile(chosen.path));
}

} // namespace Velmora
