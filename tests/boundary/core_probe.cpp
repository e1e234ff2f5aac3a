// Links the whole core (a campaign load and save, the RTF reader) and nothing else, so the
// boundary check sees what the core pulls in.
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "core/persistence/Campaign.h"

int main(int argc, char **argv)
{
    Velmora::Campaign campaign(Velmora::AppFolder::locate());
    if (argc > 2)
        campaign.SaveCampaign(QString::fromLocal8Bit(argv[2]), false);
    Velmora::RtfReader reader;
    const auto document = reader.read(argc > 1 ? QByteArrayView(argv[1]) : QByteArrayView());
    return document ? int(Velmora::RtfWriter::write(*document).size() % 2) : 0;
}
