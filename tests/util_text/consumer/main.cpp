// Writes a small CSV file through the installed library and reads it back.
#include <tolva/util/CSVReader.h>
#include <tolva/util/Character.h>
#include <tolva/util/Version.h>

#include <cstdio>

using tolva::util::character::Character;
using tolva::util::character::CSVReader;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer <file.csv>\n");
        return 2;
    }
    const QString fileName = QString::fromLocal8Bit(argv[1]);
    const QString header = Character::listToStr({"Time", "Value"}, ",");
    const QString row = Character::csvJoin({"12:00:01", "1,5 MΩ"});
    if (!Character::csvSave(fileName, QStringList{header, row})) {
        std::fprintf(stderr, "csvSave failed\n");
        return 1;
    }
    CSVReader reader(fileName, ",");
    if (!reader.load() || reader.cell(1, 1) != QStringLiteral("1,5 MΩ")) {
        std::fprintf(stderr, "the file did not read back\n");
        return 1;
    }
    std::printf("tolva_util %s\n", tolva::util::libraryVersion());
    return 0;
}
