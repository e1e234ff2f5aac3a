// Settings files from any bytes: reading must neither crash, hang nor allocate beyond reason, an
// error names its line, and every key read is found again by its section and key names.

#include "core/persistence/IniFileWriter.h"
#include "core/persistence/oIniFile.h"

#include "FuzzSupport.h"

using namespace Velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    oIniFile ini;
    const Result<void> read = ini.parse(Fuzz::bytes(data, size));
    Fuzz::require(read || read.error().message.startsWith(QLatin1String("line ")));
    Fuzz::require(ini.NumberOfSections() <= oIniFile::MaxSections);
    for (const oSection &section : ini.Sections()) {
        for (const oKeyValue &key : section.KeyValues())
            Fuzz::require(ini.GetOneValue(section.Name(), key.Key()) == key.Value());
    }
    IniFileText(ini); // what was read can be written
    return 0;
}
