// Feeds arbitrary bytes to the TableGram reader. Whatever it accepts must survive being written
// again and read back: the exchange import trusts the reader's result and the export relies on
// the writer accepting what the reader produced.
#include "storage/TableGram.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const auto table = kivra::readTableGram(bytes, &error);
    if (!table)
        return 0;
    for (const auto& row : table->rows)
        if (row.size() != table->columns.size())
            std::abort();
    // The writer may refuse a table (a column type it never writes); a table it writes must read back.
    QString writeError;
    const QByteArray again = kivra::writeTableGram(*table, &writeError);
    if (!again.isEmpty() && !kivra::readTableGram(again))
        std::abort();
    return 0;
}
