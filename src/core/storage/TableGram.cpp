#include "storage/TableGram.h"

namespace kivra {

int TableGram::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace kivra
