#include "gui/maps/MarkerDialog.h"

#include "core/common/FileNames.h"
#include "core/common/NumberText.h"
#include "gui/maps/DialogButtons.h"
#include "gui/maps/DigitsOnlyValidator.h"
#include "gui/ui/FieldFilter.h"
#include "gui/ui/Platform.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

MarkerDialog::MarkerDialog(Platform &platform, AppFolder folder, const MarkerDialogTexts &texts, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_folder(std::move(folder))
    , m_texts(texts)
{
    setObjectName(texts.objectName);
    setWindowTitle(texts.title);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    if (!texts.nameLabel.isEmpty()) {
        m_name = lineEdit(u"txtName"_s);
        FieldFilter::keepOnly(m_name, [](QChar c) { return c != u';'; }); // names go into ";" records
        QLineEdit *id = lineEdit(u"txtID"_s);
        id->setReadOnly(true);
        connect(m_name, &QLineEdit::textChanged, id, &QLineEdit::setText);
        m_form->addRow(texts.nameLabel, m_name);
        m_form->addRow(tr("ID:"), id);
        m_fieldRow = 2;
    }
    m_map = new QComboBox(this);
    m_map->setObjectName(u"cboMap"_s);
    m_x = positionField(u"txtX"_s);
    m_y = positionField(u"txtY"_s);
    m_icon = lineEdit(u"txtIcon"_s);
    m_icon->setReadOnly(true);
    auto *browse = new QPushButton(tr("Browse..."), this);
    browse->setObjectName(u"cmdIcon"_s);
    auto *icon = new QHBoxLayout;
    icon->addWidget(m_icon);
    icon->addWidget(browse);
    m_form->addRow(texts.mapLabel, m_map);
    m_form->addRow(tr("X:"), m_x);
    m_form->addRow(tr("Y:"), m_y);
    m_form->addRow(tr("Icon:"), icon);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    m_ok = DialogButtons::add(*this, *layout, [this] { confirm(); });
    connect(browse, &QPushButton::clicked, this, &MarkerDialog::chooseIcon);
    connect(m_map, &QComboBox::currentIndexChanged, this, &MarkerDialog::refreshOk);
    refreshOk();
}

QLineEdit *MarkerDialog::lineEdit(const QString &objectName)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(objectName);
    connect(field, &QLineEdit::textChanged, this, &MarkerDialog::refreshOk);
    return field;
}

// An emptied position is 0, selected so that the next digit typed replaces it.
QLineEdit *MarkerDialog::positionField(const QString &objectName)
{
    QLineEdit *field = lineEdit(objectName);
    DigitsOnlyValidator::apply(field);
    connect(field, &QLineEdit::textEdited, field, [field](const QString &text) {
        if (!text.isEmpty())
            return;
        field->setText(u"0"_s);
        field->selectAll();
    });
    return field;
}

void MarkerDialog::addField(const QString &label, QWidget *field) { m_form->insertRow(m_fieldRow++, label, field); }

// The list shows map names, but each entry carries its map's key: a marker is matched to its map
// by key and stored with the key, so a map whose name differs from its key is still found.
void MarkerDialog::initMarker(
    const QStringList &names, const QList<MapEntry> &maps, bool isNew, const QString &name, const QString &mapKey)
{
    m_names = names;
    m_isNew = isNew;
    m_editedName = name;
    if (m_name)
        m_name->setText(name);
    m_map->clear();
    for (const MapEntry &map : maps)
        m_map->addItem(map.name, map.key);
    m_map->setCurrentIndex(std::max(0, m_map->findData(mapKey)));
    refreshOk();
}

void MarkerDialog::initPlace(float x, float y, const QString &icon)
{
    m_x->setText(NumberText::single(x));
    m_y->setText(NumberText::single(y));
    m_icon->setText(icon);
}

QString MarkerDialog::name() const { return m_name ? m_name->text().trimmed() : QString(); }

QString MarkerDialog::mapKey() const { return m_map->currentData().toString(); }

float MarkerDialog::posX() const { return NumberText::toSingle(m_x->text()); }

float MarkerDialog::posY() const { return NumberText::toSingle(m_y->text()); }

QString MarkerDialog::icon() const { return m_folder.storedPath(m_icon->text()); }

QString MarkerDialog::iconFolder() const { return m_folder.file(u"Campaigns/MapIcons"_s); }

void MarkerDialog::chooseIcon()
{
    FileDialogRequest request;
    request.title = m_texts.iconTitle;
    request.filter = m_texts.iconFilter;
    request.initialFolder = iconFolder();
    request.fileMustExist = true;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    if (FileNames::IsInFolder(chosen.path, iconFolder())) {
        m_iconSource.clear();
        m_icon->setText(chosen.path);
        return;
    }
    // Only when no copy name is free (32767 copies of one icon): told as a failed copy would be.
    const Result<QString> copy = FileNames::UniqueCopyPath(chosen.path, iconFolder());
    if (!copy) {
        m_platform.information(tr("File Error"), tr("Error copying file."));
        return;
    }
    m_iconSource = chosen.path;
    m_icon->setText(*copy);
}

void MarkerDialog::refreshOk()
{
    const bool named = !m_name || !name().isEmpty();
    m_ok->setEnabled(m_map->currentIndex() >= 0 && named && !m_x->text().isEmpty() && !m_y->text().isEmpty());
}

void MarkerDialog::confirm()
{
    if (m_name) {
        const qsizetype found = m_names.indexOf(name());
        if (found >= 0 && (m_isNew || found != m_names.indexOf(m_editedName))) {
            m_platform.exclamation(m_texts.duplicateTitle, m_texts.duplicateMessage);
            return;
        }
    }
    // The copy keeps its own name even if another file took the one shown meanwhile; a failed
    // copy is not reported and the icon shown stays.
    if (!m_iconSource.isEmpty()) {
        if (const Result<QString> copy = FileNames::CopyToFolder(m_iconSource, iconFolder()))
            m_icon->setText(*copy);
    }
    m_cancelled = false;
    accept();
}

} // namespace Velmora
