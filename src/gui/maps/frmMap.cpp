#include "gui/maps/frmMap.h"

#include "core/common/FileNames.h"
#include "core/maps/MapPictureChoice.h"
#include "gui/maps/DialogButtons.h"
#include "gui/maps/DigitsOnlyValidator.h"
#include "gui/ui/Platform.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Grid divisions are 16-bit; four digits keep every typed number in range.
constexpr int GridDigits = 4;

QColor fromBgr(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

int toBgr(const QColor &colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

QLineEdit *numberField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(GridDigits);
    DigitsOnlyValidator::apply(field);
    return field;
}

} // namespace

frmMap::frmMap(Platform &platform, AppFolder folder, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_folder(std::move(folder))
{
    setObjectName(u"frmMap"_s);
    setWindowTitle(tr("Map Selection"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(u"txtName"_s);
    m_filename = new QLineEdit(this);
    m_filename->setObjectName(u"txtFileName"_s);
    m_filename->setReadOnly(true);
    m_browse = new QPushButton(tr("Browse..."), this);
    m_browse->setObjectName(u"cmdBrowse"_s);
    auto *file = new QHBoxLayout;
    file->addWidget(m_filename);
    file->addWidget(m_browse);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Map name:"), m_name);
    form->addRow(tr("Map file:"), file);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buildGrid());
    m_ok = DialogButtons::add(*this, *layout, [this] {
        m_cancelled = false;
        accept();
    });
    connect(m_name, &QLineEdit::textChanged, this, &frmMap::refreshOk);
    connect(m_filename, &QLineEdit::textChanged, this, &frmMap::refreshOk);
    connect(m_browse, &QPushButton::clicked, this, &frmMap::browse);
    refreshOk();
}

QWidget *frmMap::buildGrid()
{
    auto *box = new QGroupBox(tr("Grid"), this);
    m_visible = new QCheckBox(tr("Visible"), box);
    m_visible->setObjectName(u"chkVisible"_s);
    m_x = numberField(box, u"txtX"_s);
    m_same = new QRadioButton(tr("Same dimensions as X"), box);
    m_same->setObjectName(u"optSame"_s);
    m_divisions = new QRadioButton(tr("Number of vertical (y) divisions"), box);
    m_divisions->setObjectName(u"optDivisions"_s);
    m_y = numberField(box, u"txtY"_s);
    auto *colour = new QPushButton(tr("Grid colour:"), box);
    colour->setObjectName(u"cmdColour"_s);
    m_swatch = new QLabel(box);
    m_swatch->setObjectName(u"pctColour"_s);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setMinimumWidth(48);
    auto *form = new QFormLayout(box);
    form->addRow(m_visible);
    form->addRow(tr("Number of horizontal (x) division:"), m_x);
    form->addRow(m_same);
    form->addRow(m_divisions, m_y);
    form->addRow(colour, m_swatch);
    connect(m_divisions, &QRadioButton::toggled, this, &frmMap::chooseDivisions);
    connect(colour, &QPushButton::clicked, this, &frmMap::chooseColour);
    m_same->setChecked(true);
    m_y->setEnabled(false);
    setColour(m_colour);
    return box;
}

void frmMap::init(const QString &name, const QString &filename, bool gridVisible, const oGrid &grid,
    const QList<MapEntry> &maps, bool isNew)
{
    m_maps = maps;
    m_isNew = isNew;
    m_name->setText(name);
    m_filename->setText(filename);
    m_filename->setEnabled(isNew);
    m_browse->setEnabled(isNew);
    m_visible->setChecked(gridVisible);
    m_x->setText(QString::number(grid.X));
    (grid.Y != 0 ? m_divisions : m_same)->setChecked(true);
    m_y->setText(grid.Y != 0 ? QString::number(grid.Y) : QString());
    setColour(grid.Colour);
    m_name->setFocus();
}

QString frmMap::MapKey() const { return FileNames::FileBaseName(m_filename->text()); }

QString frmMap::MapName() const { return m_name->text().trimmed(); }

QString frmMap::MapFilename() const { return m_folder.storedPath(m_filename->text()); }

oGrid frmMap::Grid() const
{
    oGrid grid;
    grid.X = m_x->text().toInt(); // 0 when empty
    grid.Y = m_divisions->isChecked() ? m_y->text().toInt() : 0;
    grid.Colour = m_colour;
    return grid;
}

bool frmMap::IsGridVisible() const { return m_visible->isChecked(); }

void frmMap::setColour(int colour)
{
    m_colour = colour;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, fromBgr(colour));
    m_swatch->setPalette(palette);
}

void frmMap::chooseColour()
{
    if (const std::optional<QColor> colour = m_platform.chooseColour(fromBgr(m_colour), tr("Select Grid Colour")))
        setColour(toBgr(*colour));
}

void frmMap::browse()
{
    FileDialogRequest request;
    request.title = tr("Select Map");
    request.filter = tr("JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*bmp|Other format (*.*)|*.*");
    request.fileMustExist = true;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    const MapPictureChoice choice = MapPictureChoice::choose(chosen.path, m_maps, m_isNew, m_folder);
    if (choice.outcome != MapPictureChoice::Outcome::Use) {
        const bool failed = choice.outcome == MapPictureChoice::Outcome::CopyFailed;
        m_platform.message(choice.title, choice.message, MessageButtons::Ok,
            failed ? MessageIcon::Information : MessageIcon::Exclamation);
    }
    // A refused picture clears the choice made before it, so that no clashing key is kept.
    m_filename->setText(choice.path);
    m_name->setText(FileNames::FileBaseName(choice.path));
}

void frmMap::chooseDivisions(bool divisions)
{
    m_y->setEnabled(divisions);
    if (divisions)
        m_y->setFocus();
}

// A map needs a picture and a name: its key comes from the picture, and its tab shows the name.
void frmMap::refreshOk() { m_ok->setEnabled(!m_filename->text().isEmpty() && !MapName().isEmpty()); }

} // namespace Velmora
