#include "gui/app/frmTip.h"

#include "core/common/CodePage.h"
#include "core/common/RandomSource.h"
#include "core/options/ImageEntry.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmTip::frmTip(const AppFolder &folder, RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_tipText(new QLabel(this))
    , m_nextTip(new QPushButton(tr("&Next Tip"), this))
{
    setObjectName(u"frmTip"_s);
    setWindowTitle(tr("Tip of the Day"));

    auto *heading = new QLabel(tr("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    m_tipText->setObjectName(u"lblTipText"_s);
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipText->setMinimumSize(320, 120);
    m_nextTip->setObjectName(u"cmdNextTip"_s);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_tipText, 1);
    auto *body = new QHBoxLayout;
    const QPixmap picture(folder.storedFile(ImageEntry::defaultPath(u"tip"_s)));
    if (!picture.isNull()) {
        auto *image = new QLabel(this);
        image->setPixmap(picture.scaled(96, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_picture = image;
    } else {
        m_picture = new QWidget(this); // where a replaceable picture goes
    }
    body->addWidget(m_picture, 0, Qt::AlignTop);
    body->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_nextTip);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(m_nextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    m_tipText->setTextFormat(Qt::PlainText);
    if (!loadTips(folder.file(tipFileName())))
        m_tipText->setText(tr("The tip file was not found."));
    m_nextTip->setEnabled(!m_tips.isEmpty());
    if (!m_tips.isEmpty())
        showTip(random.roll(static_cast<int>(m_tips.size())) - 1);
}

void frmTip::setPicture(QWidget *picture)
{
    picture->setParent(this);
    delete layout()->replaceWidget(m_picture, picture, Qt::FindChildrenRecursively);
    delete m_picture;
    m_picture = picture;
}

bool frmTip::loadTips(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = CodePage::toUnicode(file.read(MaxFileBytes));
    const QStringList lines = text.split(u'\n');
    for (const QString &line : lines) {
        const QString tip = line.trimmed();
        if (!tip.isEmpty())
            m_tips << tip;
    }
    return true;
}

void frmTip::showTip(qsizetype index)
{
    m_current = qBound<qsizetype>(0, index, m_tips.size() - 1);
    m_tipText->setText(m_tips.at(m_current));
}

void frmTip::cmdNextTip_Click()
{
    if (!m_tips.isEmpty())
        showTip((m_current + 1) % m_tips.size());
}

QString frmTip::currentTip() const
{
    return m_tipText->text();
}

} // namespace Velmora
