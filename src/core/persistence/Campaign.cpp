#include "core/persistence/Campaign.h"

#include "core/common/Version.h"
#include "core/persistence/CampaignBlocks.h"
#include "core/persistence/Version3Reader.h"

#include <QBuffer>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

Campaign::Campaign(AppFolder folder)
    : model(CampaignModel::newCampaign())
    , m_folder(std::move(folder))
{
}

Campaign::~Campaign() = default;

void Campaign::ResetToNewCampaign(RandomSource &random)
{
    model = CampaignModel::newCampaign(random);
    m_file.reset();
}

void Campaign::clear()
{
    model = CampaignModel::newCampaign();
    m_file.reset();
}

LoadOutcome Campaign::LoadCampaignFile(const QString &path, const LoadProgress &progress)
{
    clear();
    m_file = std::make_unique<oVLFile>();
    const Result<qint32> parsed = m_file->ParseVLFile(path, oVLFile::ItemDecoding::WhenAsked);
    return takeParsedFile(parsed ? Result<void>() : parsed.error(), progress);
}

LoadOutcome Campaign::LoadCampaignBytes(const QByteArray &bytes, const LoadProgress &progress)
{
    clear();
    m_file = std::make_unique<oVLFile>();
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    return takeParsedFile(m_file->parse(device, oVLFile::ItemDecoding::WhenAsked), progress);
}

LoadOutcome Campaign::takeParsedFile(const Result<void> &parsed, const LoadProgress &progress)
{
    LoadOutcome outcome;
    progress.range(m_file->NumberOfBlocks());

    if (!parsed) {
        outcome.readable = false;
        outcome.problem = parsed.error().message;
    } else {
        bool known = false;
        for (const oBlock &block : m_file->Blocks())
            known = known || CampaignBlocks::labels().contains(block.Label(), Qt::CaseInsensitive);
        if (!known) {
            outcome.readable = false;
            if (m_file->GetVersion() != QLatin1String(oVLFile::FormatMarker))
                outcome.problem = tr("The file is not a Velmora 4.0 campaign file.");
            else if (m_file->Blocks().isEmpty())
                outcome.problem = tr("The file holds no campaign data.");
            else
                outcome.problem = tr("The file holds none of the blocks of a Velmora campaign.");
        }
    }
    if (!outcome.readable) {
        // Nothing of an unreadable file is kept: the next save must not write it back.
        clear();
        return outcome;
    }
    CampaignBlocks::load(*m_file, model, outcome, progress, m_folder);
    return outcome;
}

void Campaign::WriteCampaignBlocks(const QString &path, bool version3Loaded)
{
    if (version3Loaded || !m_file) {
        m_file = std::make_unique<oVLFile>();
        m_file->init(path, Version::text());
    }
    CampaignBlocks::write(model, *m_file);
}

Result<void> Campaign::SaveCampaign(const QString &path, bool version3Loaded)
{
    WriteCampaignBlocks(path, version3Loaded);
    return m_file->WriteData(path);
}

LoadOutcome Campaign::LoadVersion3Campaign(const QString &path, const oIniFile *sessionSettings,
                                           const LoadProgress &progress)
{
    clear();
    return Version3Reader::read(path, model, sessionSettings, progress, m_folder);
}

} // namespace Velmora
