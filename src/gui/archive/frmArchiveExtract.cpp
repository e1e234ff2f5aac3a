#include "gui/archive/frmArchiveExtract.h"

#include "core/archive/ArchiveExtractFlow.h"
#include "gui/archive/ArchiveWorkBar.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QHBoxLayout *fieldRow(QLineEdit *field, QPushButton *browse)
{
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(browse);
    return row;
}

} // namespace

frmArchiveExtract::frmArchiveExtract(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_txtArchive(new QLineEdit(this))
    , m_txtTarget(new QLineEdit(this))
    , m_cmdExtract(PushButtons::make(tr("Extract"), u"cmdExtract"_s, this))
    , m_work(new ArchiveWorkBar(this))
{
    // The window's title and its controls' names are ours: the old window named neither.
    setObjectName(u"frmArchiveExtract"_s);
    setWindowTitle(tr("Extract ZIP Archive"));
    m_txtArchive->setObjectName(u"txtArchive"_s);
    m_txtTarget->setObjectName(u"txtTarget"_s);
    QPushButton *browseArchive = PushButtons::make(tr("..."), u"cmdArchive"_s, this);
    QPushButton *browseTarget = PushButtons::make(tr("..."), u"cmdTarget"_s, this);
    QPushButton *close = PushButtons::make(tr("Close"), u"cmdClose"_s, this);
    auto *form = new QFormLayout;
    form->addRow(tr("Archive to be extracted:"), fieldRow(m_txtArchive, browseArchive));
    form->addRow(tr("Target directory:"), fieldRow(m_txtTarget, browseTarget));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdExtract);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_work);

    connect(browseArchive, &QPushButton::clicked, this, &frmArchiveExtract::cmdArchive_Click);
    connect(browseTarget, &QPushButton::clicked, this, &frmArchiveExtract::cmdTarget_Click);
    connect(m_cmdExtract, &QPushButton::clicked, this, &frmArchiveExtract::cmdExtract_Click);
    connect(close, &QPushButton::clicked, this, &frmArchiveExtract::reject);
    connect(m_txtArchive, &QLineEdit::textEdited, this, &frmArchiveExtract::validate);
    connect(m_txtTarget, &QLineEdit::textEdited, this, &frmArchiveExtract::validate);
    m_work->showStatus(ArchiveExtractFlow::selectArchiveText());
    m_cmdExtract->setEnabled(false);
}

frmArchiveExtract::~frmArchiveExtract() { m_work->stop(); }

bool frmArchiveExtract::isWorking() const { return m_work->isWorking(); }

void frmArchiveExtract::validate()
{
    const ArchiveExtractFlow::Check check = ArchiveExtractFlow::check(m_txtArchive->text(), m_txtTarget->text());
    m_work->showStatus(check.status);
    m_cmdExtract->setEnabled(check.ready && !isWorking());
}

void frmArchiveExtract::cmdArchive_Click()
{
    FileDialogRequest request;
    request.title = tr("Select Archive for Extraction");
    request.filter = tr("Zip file (*.zip)|*.zip");
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    m_txtArchive->setText(chosen.path);
    m_work->showStatus(ArchiveExtractFlow::selectTargetText());
}

// The old window enabled Extract after this dialog whatever the archive field held; here both
// fields are checked again, as after an edit.
void frmArchiveExtract::cmdTarget_Click()
{
    FileDialogRequest request;
    request.title = tr("Select Target Directory for Extraction");
    request.initialFileName = u"*.*"_s;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    m_txtTarget->setText(QFileInfo(chosen.path).absolutePath());
    validate();
}

void frmArchiveExtract::cmdExtract_Click()
{
    if (isWorking() || !ArchiveExtractFlow::check(m_txtArchive->text(), m_txtTarget->text()).ready)
        return;
    m_cmdExtract->setEnabled(false);
    m_work->start(
        [archive = m_txtArchive->text(), target = m_txtTarget->text()](const ArchiveJob::Status &status,
            const ArchiveJob::Progress &progress,
            const ArchiveJob::Stop &stop) { ArchiveExtractFlow::extract(archive, target, status, stop, progress); },
        [this] { m_cmdExtract->setEnabled(true); });
}

// Closing while extracting stops first: the files already complete stay, no partial one.
void frmArchiveExtract::reject()
{
    m_work->stop();
    QDialog::reject();
}

} // namespace Velmora
