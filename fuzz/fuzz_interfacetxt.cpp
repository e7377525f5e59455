// Interface.txt in the code page of a [FONT] CharSet: the first byte picks the
// character set, the other bytes are the file, read as the logon screen reads
// its shared texts.

#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/texts.h"
#include "fuzzsupport.h"

#include <iterator>

namespace {

const int kCharSets[] = {0, 1, 128, 129, 130, 134, 136, 161, 162, 163, 177, 178, 186, 204, 222, 238};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int charSet = kCharSets[data[0] % std::size(kCharSets)];
    WriteFuzzFile(QStringLiteral("System.ini"), "[FONT]\nCharSet=" + QByteArray::number(charSet) + '\n');
    WriteFuzzFile(QStringLiteral("Interface.txt"), FuzzBytes(data + 1, size - 1));
    LoadSettings();
    LoadSharedTexts();
    for (int i = 0; i < kCardTypeNameCount; ++i)
        FuzzCheck(CardTypeNames[i].size() <= 50);
    InterfaceTexts::section("LOGON")("Welcome", "Welcome to use Zumerak");
    return 0;
}
