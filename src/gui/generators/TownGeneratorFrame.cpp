#include "gui/generators/TownGeneratorFrame.h"

#include "core/app/CampaignSession.h"
#include "core/generators/TownGenerator.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"
#include "gui/ui/ToolHost.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLabel *dataLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit *typedField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

} // namespace

TownGeneratorFrame::TownGeneratorFrame(ToolHost &host, QWidget *parent)
    : QGroupBox(tr("Town Generator"), parent)
    , m_host(host)
{
    setObjectName(u"TownGeneratorFrame"_s);
    // Two columns, so that the frame leaves the Battle Box above it its height: the typed values
    // across the top, the size and community on the left, the power centres on the right.
    auto *grid = new QGridLayout(this);
    m_townName = typedField(u"TownNameText"_s, this);
    m_continent = typedField(u"ContinentOnText"_s, this);
    m_size = dataLabel(u"TownSizeDataLabel"_s, this);
    m_population = dataLabel(u"PopulationDataLabel"_s, this);
    m_gpLimit = dataLabel(u"GPLimitDataLabel"_s, this);
    m_racialMix = dataLabel(u"RacialMixOfCommunitiesDataLabel"_s, this);
    m_dominantRace = dataLabel(u"DominantRaceDataLabel"_s, this);
    addRow(0, 0, tr("Town Name:"), m_townName);
    addRow(0, 2, tr("Continent On:"), m_continent);
    addRow(1, 0, tr("Town Size:"), m_size);
    addRow(2, 0, tr("Population:"), m_population);
    addRow(3, 0, tr("GP Limit:"), m_gpLimit);
    addRow(4, 0, tr("Racial Mix Of Community:"), m_racialMix);
    addRow(5, 0, tr("Dominant Race:"), m_dominantRace);
    // One caption for the four centres; each centre's alignment stands beside its type.
    grid->addWidget(new QLabel(tr("Power Center Alignment / Type:"), this), 1, 2);
    for (int centre = 0; centre < 4; ++centre) {
        const QString number = QString::number(centre + 1);
        m_alignments[size_t(centre)] = dataLabel(u"PowerCenterAlignmentDataLabel"_s + number, this);
        m_types[size_t(centre)] = dataLabel(u"PowerCenterTypeDataLabel"_s + number, this);
        grid->addWidget(m_alignments[size_t(centre)], 1 + centre, 3);
        grid->addWidget(m_types[size_t(centre)], 1 + centre, 4);
    }
    QPushButton *generate
        = PushButtons::make(tr("Generate Town"), u"GenerateTownCommand"_s, this, tr("Will create a town definition"));
    grid->addWidget(generate, 5, 3, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    connect(generate, &QPushButton::clicked, this, &TownGeneratorFrame::GenerateTownCommand_Click);
    // Only the game master's typing is a change: filling the fields with the campaign's town is none.
    CampaignSession &session = m_host.campaignSession();
    connect(m_townName, &QLineEdit::textEdited, &session, &CampaignSession::markModified);
    connect(m_continent, &QLineEdit::textEdited, &session, &CampaignSession::markModified);
}

// A caption and its control; a control in the right column takes the alignment and type columns.
void TownGeneratorFrame::addRow(int row, int column, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, this);
    label->setBuddy(field);
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1, 1, column == 0 ? 1 : 2);
}

TownValues TownGeneratorFrame::town() const
{
    TownValues town;
    town.townName = m_townName->text();
    town.continent = m_continent->text();
    town.size = m_size->text();
    town.population = m_population->text();
    town.gpLimit = m_gpLimit->text();
    for (size_t centre = 0; centre < 4; ++centre)
        town.powerCentres[centre] = {m_types[centre]->text(), m_alignments[centre]->text()};
    town.racialMix = m_racialMix->text();
    town.dominantRace = m_dominantRace->text();
    return town;
}

void TownGeneratorFrame::setTown(const TownValues &town)
{
    m_townName->setText(town.townName);
    m_continent->setText(town.continent);
    m_size->setText(town.size);
    m_population->setText(town.population);
    m_gpLimit->setText(town.gpLimit);
    for (size_t centre = 0; centre < 4; ++centre) {
        m_types[centre]->setText(town.powerCentres[centre].type);
        m_alignments[centre]->setText(town.powerCentres[centre].alignment);
    }
    m_racialMix->setText(town.racialMix);
    m_dominantRace->setText(town.dominantRace);
}

void TownGeneratorFrame::GenerateTownCommand_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    setTown(TownGenerator::Generate(m_host.platform().random(), town()));
    m_host.campaignSession().markModified();
}

} // namespace Velmora
